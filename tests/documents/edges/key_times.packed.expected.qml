import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "key_times_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias adriftBone : driftBone
	BoneTransform {
		id: driftBone
		parentBone: rootBone
	}
	property alias aroundedBone : roundedBone
	BoneTransform {
		id: roundedBone
		parentBone: rootBone
	}
	property alias abackwardBone : backwardBone
	BoneTransform {
		id: backwardBone
		parentBone: rootBone
	}
	property alias awholeBone : wholeBone
	BoneTransform {
		id: wholeBone
		parentBone: rootBone
	}
	property alias alate_rotateBone : late_rotateBone
	BoneTransform {
		id: late_rotateBone
		parentBone: rootBone
	}
	property alias alate_translateBone : late_translateBone
	BoneTransform {
		id: late_translateBone
		parentBone: rootBone
	}
	property alias alate_scaleBone : late_scaleBone
	BoneTransform {
		id: late_scaleBone
		parentBone: rootBone
	}
	property alias aat_zeroBone : at_zeroBone
	BoneTransform {
		id: at_zeroBone
		parentBone: rootBone
	}
	Slot {
		id: faceSlot
		parent: root
		bone: rootBone
		setupAttachment: mouthAttachment
		setupColor: "#ffffffff"
	}
	Slot {
		id: late_colorSlot
		parent: root
		bone: rootBone
		setupColor: "#ffff0000"
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: mouthAttachment; setupParent: faceSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinFaceMouth; parent: mouthAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinFaceMouth
			packed: true
			source: imageFolderAndDash + "mouth.png"
			parent: mouthAttachment
			width: 10
			height: 10
			uvs: [ 0, 0, 1, 0, 1, 1, 0, 1 ] 
			triangles: [ 0, 1, 2, 2, 3, 0 ] 
			vertices: [ 0, 0, 10, 0, 10, 10, 0, 10 ] 
		}
		}
	}
	property alias keysAnimation: keys
	Item {
	ParallelAnimation {
		id: keys
		SequentialAnimation {
	PauseAnimation { duration: 34 }
	ScriptAction { script: faceSlot.attach(null); }
	PauseAnimation { duration: 633 }
	ScriptAction { script: faceSlot.attach(mouthAttachment); }
	}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: late_colorSlot; property: "color"; value: "#ff00ff00" }
	ColorAnimation { target: late_colorSlot; property: "color"; from: "#ff00ff00"; to: "#ff0000ff"; duration: 250 }
	}
		SequentialAnimation {
	PropertyAction { target: at_zeroBone; property: "dangle"; value: -45 }
	PropertyAnimation { target: at_zeroBone; property: "dangle"; from: -45; to: -90; duration: 250 }
		}
		SequentialAnimation {
	PropertyAction { target: backwardBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: backwardBone; property: "dangle"; from: 0; to: -10; duration: 500 }
	PropertyAnimation { target: backwardBone; property: "dangle"; from: -10; to: -20; duration: 0 }
	PropertyAnimation { target: backwardBone; property: "dangle"; from: -20; to: -30; duration: 500 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 33 }
	PropertyAction { target: driftBone; property: "dx"; value: 1 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 1; to: 2; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 2; to: 3; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 3; to: 4; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 4; to: 5; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 5; to: 6; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 6; to: 7; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 7; to: 8; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 8; to: 9; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 9; to: 10; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 10; to: 11; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 11; to: 12; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 12; to: 13; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 13; to: 14; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 14; to: 15; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 15; to: 16; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 16; to: 17; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 17; to: 18; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 18; to: 19; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 19; to: 20; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 20; to: 21; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 21; to: 22; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 22; to: 23; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 23; to: 24; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 24; to: 25; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 25; to: 26; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 26; to: 27; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 27; to: 28; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 28; to: 29; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dx"; from: 29; to: 30; duration: 33 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 33 }
	PropertyAction { target: driftBone; property: "dy"; value: 0 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 34 }
	PropertyAnimation { target: driftBone; property: "dy"; from: 0; to: 0; duration: 33 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: late_rotateBone; property: "dangle"; value: -45 }
	PropertyAnimation { target: late_rotateBone; property: "dangle"; from: -45; to: -90; duration: 250 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: late_scaleBone; property: "dxScale"; value: 2 }
	PauseAnimation { duration: 250 }
	PropertyAction { target: late_scaleBone; property: "dxScale"; value: 1 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: late_scaleBone; property: "dyScale"; value: 3 }
	PauseAnimation { duration: 250 }
	PropertyAction { target: late_scaleBone; property: "dyScale"; value: 1 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: late_translateBone; property: "dx"; value: 10 }
	PropertyAnimation { target: late_translateBone; property: "dx"; from: 10; to: 0; duration: 250 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: late_translateBone; property: "dy"; value: -20 }
	PropertyAnimation { target: late_translateBone; property: "dy"; from: -20; to: 0; duration: 250 }
		}
		SequentialAnimation {
	PropertyAction { target: roundedBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: roundedBone; property: "dangle"; from: 0; to: -10; duration: 34 }
	PropertyAnimation { target: roundedBone; property: "dangle"; from: -10; to: -20; duration: 633 }
	PropertyAnimation { target: roundedBone; property: "dangle"; from: -20; to: -30; duration: 1 }
		}
		SequentialAnimation {
	PropertyAction { target: wholeBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: wholeBone; property: "dangle"; from: 0; to: -10; duration: 250 }
	PropertyAnimation { target: wholeBone; property: "dangle"; from: -10; to: -20; duration: 1250 }
		}
		SequentialAnimation {
	PropertyAction { target: wholeBone; property: "dx"; value: 1 }
	PropertyAnimation { target: wholeBone; property: "dx"; from: 1; to: 2; duration: 125 }
		}
		SequentialAnimation {
	PropertyAction { target: wholeBone; property: "dy"; value: -1 }
	PropertyAnimation { target: wholeBone; property: "dy"; from: -1; to: -2; duration: 125 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: defaultSkinFaceMouth; property: "vertices"; value: [ 5, 5, 10, 0, 10, 10, 0, 10 ] }
	PropertyAnimation { target: defaultSkinFaceMouth; property: "vertices"; from: [ 5, 5, 10, 0, 10, 10, 0, 10 ] ; to: [ 0, 0, 11, 1, 10, 10, 0, 10 ] ; duration: 250 }
	PropertyAnimation { target: defaultSkinFaceMouth; property: "vertices"; from: [ 0, 0, 11, 1, 10, 10, 0, 10 ] ; to: [ 0, 0, 10, 0, 10, 10, 0, 10 ] ; duration: 500; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
		}
	}
	}
	}
