import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "animation_images"
	property url imageFolderAndDash: imageFolder + "/"
	signal spineEvent(string name, int intValue, real floatValue, string stringValue, string audioPath, real volume, real balance)

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias ahipBone : hipBone
	BoneTransform {
		id: hipBone
		parentBone: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: hipBone
		setupAttachment: mouthAttachment
		setupColor: "#ffffffff"
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: mouthAttachment; setupParent: bodySlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyMouth; parent: mouthAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinBodyMouth
			packed: false
			source: imageFolderAndDash + "mouth.png"
			parent: mouthAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 8, 0, 8, 8 ] 
		}
		}
	}
	property alias actAnimation: act
	Item {
	ParallelAnimation {
		id: act
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: bodySlot.attach(null); }
	PauseAnimation { duration: 500 }
	ScriptAction { script: bodySlot.attach(mouthAttachment); }
	}
		SequentialAnimation {
	PropertyAction { target: bodySlot; property: "color"; value: "#ffff0000" }
	ColorAnimation { target: bodySlot; property: "color"; from: "#ffff0000"; to: "#ff00ff00"; duration: 1000; easing.bezierCurve: [ 0.25, 0.5, 0.75, 1, 1,1 ] }
	}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: hipBone; property: "dangle"; from: 0; to: -8; duration: 500; easing.bezierCurve: [ 0.25, 0.5, 0.75, 1, 1,1 ] }
	PauseAnimation { duration: 500 }
	PropertyAction { target: hipBone; property: "dangle"; value: 8 }
		}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dxScale"; value: 1 }
	PropertyAnimation { target: hipBone; property: "dxScale"; from: 1; to: 2; duration: 500 }
	PropertyAnimation { target: hipBone; property: "dxScale"; from: 2; to: 1; duration: 500; easing.bezierCurve: [ 0.25, 0.25, 0.75, 0.75, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dyScale"; value: 1 }
	PropertyAnimation { target: hipBone; property: "dyScale"; from: 1; to: 0.5; duration: 500 }
	PropertyAnimation { target: hipBone; property: "dyScale"; from: 0.5; to: 1; duration: 500; easing.bezierCurve: [ 0.25, 0.25, 0.75, 0.75, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dx"; value: 0 }
	PropertyAnimation { target: hipBone; property: "dx"; from: 0; to: 4; duration: 1000; easing.bezierCurve: [ 0.5, 0.25, 0.5, 0.75, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dy"; value: 0 }
	PropertyAnimation { target: hipBone; property: "dy"; from: 0; to: 2; duration: 1000; easing.bezierCurve: [ 0.5, 0.25, 0.5, 0.75, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dangle"; value: -170 }
	PropertyAnimation { target: rootBone; property: "dangle"; from: -170; to: -190; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dangle"; from: -190; to: -100; duration: 500 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinBodyMouth; property: "vertices"; value: [ 0, 0, 8, 0, 8, 8 ] }
	PropertyAnimation { target: defaultSkinBodyMouth; property: "vertices"; from: [ 0, 0, 8, 0, 8, 8 ] ; to: [ 0, 0, 12, -4, 8, 8 ] ; duration: 500; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
		}
		SequentialAnimation {
	ScriptAction { script: { bodySlot.z = 0; } }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: root.spineEvent("step", 3, 0, "", "", 1, 0); }
		}
	}
	}
	}
