import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "newer_animation_edges_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: rootBone
	}
	property alias alegBone : legBone
	BoneTransform {
		id: legBone
		parentBone: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: rootBone
		setupAttachment: boxAttachment
		setupColor: "#80ff0000"
	}
	Slot {
		id: hatSlot
		parent: root
		bone: armBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: boxAttachment; setupParent: bodySlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBox; parent: boxAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImagePacked {
			id: defaultSkinBodyBox
			source: imageFolderAndDash + "box.png"
			parent: boxAttachment
			width: 4
			height: 4
		}
		}
	}
	property alias adefaultSkinBox: defaultSkinBodyBox
	property alias mixedWarningsAnimation: mixedWarnings
	Item {
	ParallelAnimation {
		id: mixedWarnings
		SequentialAnimation {
	PropertyAction { target: bodySlot; property: "color"; value: "#8000ff00" }
	ColorAnimation { target: bodySlot; property: "color"; from: "#8000ff00"; to: "#800000ff"; duration: 500; easing.bezierCurve: [ 0.4, 1, 0.8, 1, 1,1 ] }
	}
		SequentialAnimation {
	PropertyAction { target: hatSlot; property: "color"; value: "#ffffffff" }
	PropertyAction { target: hatSlot; property: "color"; value: "#00ffffff" }
	}
		SequentialAnimation {
		}
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dx"; value: 10 }
	PropertyAnimation { target: armBone; property: "dx"; from: 10; to: 0; duration: 1000; easing.bezierCurve: [ 0, 0, 0.5, 1, 1,1 ] }
	PropertyAnimation { target: armBone; property: "dx"; from: 0; to: 5; duration: 0 }
		}
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dy"; value: -10 }
	PropertyAnimation { target: armBone; property: "dy"; from: -10; to: 0; duration: 1000; easing.bezierCurve: [ 0, 0, 0.5, 1, 1,1 ] }
	PropertyAnimation { target: armBone; property: "dy"; from: 0; to: 5; duration: 0 }
		}
		SequentialAnimation {
	PropertyAction { target: legBone; property: "dyScale"; value: 2 }
	PropertyAnimation { target: legBone; property: "dyScale"; from: 2; to: 1; duration: 200 }
		}
	}
	}
	property alias secondAnimation: second
	Item {
	ParallelAnimation {
		id: second
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dxScale"; value: 2 }
	PropertyAnimation { target: armBone; property: "dxScale"; from: 2; to: 1; duration: 1000; easing.bezierCurve: [ 0, 0, 1, 1, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dyScale"; value: 1 }
	PropertyAnimation { target: armBone; property: "dyScale"; from: 1; to: 3; duration: 1000; easing.bezierCurve: [ 0, 0, 1, 0, 1,1 ] }
		}
	}
	}
	}
