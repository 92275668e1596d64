import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "animations_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias ahipBone : hipBone
	BoneTransform {
		id: hipBone
		parentBone: rootBone
	}
	property alias aleftArmBone : leftArmBone
	BoneTransform {
		id: leftArmBone
		parentBone: rootBone
	}
	Slot {
		id: eyeSlot
		parent: root
		bone: hipBone
		setupAttachment: eyeOpenAttachment
		setupColor: "#ffff0000"
	}
	Slot {
		id: faceSlot
		parent: root
		bone: hipBone
		setupAttachment: mouthAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: eyeOpenAttachment; setupParent: eyeSlot }
	Attachment { id: mouthAttachment; setupParent: faceSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinEyeEyeOpen; parent: eyeOpenAttachment }
	PropertyChanges { target: defaultSkinFaceMouth; parent: mouthAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImagePacked {
			id: defaultSkinEyeEyeOpen
			source: imageFolderAndDash + "eye open.png"
			parent: eyeOpenAttachment
		}
			SpineMeshItem {
			id: defaultSkinFaceMouth
			packed: true
			source: imageFolderAndDash + "mouth.png"
			parent: mouthAttachment
			vertices: [ 0, 0, 10, 0, 10, 10, 0, 10 ] 
		}
		}
	}
	property alias adefaultSkinEyeOpen: defaultSkinEyeEyeOpen
	property alias blinkAnimation: blink
	Item {
	ParallelAnimation {
		id: blink
		SequentialAnimation {
	ScriptAction { script: eyeSlot.attach(eyeOpenAttachment); }
	PauseAnimation { duration: 1500 }
	ScriptAction { script: eyeSlot.attach(null); }
	PauseAnimation { duration: 500 }
	ScriptAction { script: eyeSlot.attach(eyeOpenAttachment); }
	}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: eyeSlot; property: "color"; value: "#8000ff00" }
	ColorAnimation { target: eyeSlot; property: "color"; from: "#8000ff00"; to: "#ff0000ff"; duration: 500 }
	PauseAnimation { duration: 1000 }
	PropertyAction { target: eyeSlot; property: "color"; value: "#ffffffff" }
	}
	}
	}
	property alias idleAnimation: idle
	Item {
	ParallelAnimation {
		id: idle
	}
	}
	property alias talkAnimation: talk
	Item {
	ParallelAnimation {
		id: talk
		SequentialAnimation {
	PropertyAction { target: defaultSkinFaceMouth; property: "vertices"; value: [ 0, 0, 10, 0, 10, 10, 0, 10 ] }
	PropertyAnimation { target: defaultSkinFaceMouth; property: "vertices"; from: [ 0, 0, 10, 0, 10, 10, 0, 10 ] ; to: [ 0, 0, 15, -5, 10, 10, 0, 10 ] ; duration: 400 }
	PropertyAnimation { target: defaultSkinFaceMouth; property: "vertices"; from: [ 0, 0, 15, -5, 10, 10, 0, 10 ] ; to: [ 0, 0, 10, 0, 10, 10, 0, 10 ] ; duration: 400; easing.bezierCurve: [ 0.5, 0, 0.5, 1, 1,1 ] }
		}
	}
	}
	property alias walkCycleAnimation: walkCycle
	Item {
	ParallelAnimation {
		id: walkCycle
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dangle"; value: -10 }
	PropertyAnimation { target: hipBone; property: "dangle"; from: -10; to: 20; duration: 500 }
	PropertyAnimation { target: hipBone; property: "dangle"; from: 20; to: -10; duration: 500; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
		}
		SequentialAnimation {
	PauseAnimation { duration: 200 }
	PropertyAction { target: leftArmBone; property: "dxScale"; value: 1.5 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 200 }
	PropertyAction { target: leftArmBone; property: "dyScale"; value: 0 }
		}
		SequentialAnimation {
	PropertyAction { target: leftArmBone; property: "dx"; value: 5 }
	PropertyAnimation { target: leftArmBone; property: "dx"; from: 5; to: 0; duration: 250 }
	PauseAnimation { duration: 250 }
	PropertyAction { target: leftArmBone; property: "dx"; value: 5 }
		}
		SequentialAnimation {
	PropertyAction { target: leftArmBone; property: "dy"; value: -2 }
	PropertyAnimation { target: leftArmBone; property: "dy"; from: -2; to: 3; duration: 250 }
	PauseAnimation { duration: 250 }
	PropertyAction { target: leftArmBone; property: "dy"; value: -2 }
		}
	}
	}
	}
