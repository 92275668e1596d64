import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "ik_curves_38_images"
	property url imageFolderAndDash: imageFolder + "/"
	signal spineEvent(string name, int intValue, real floatValue, string stringValue, string audioPath, real volume, real balance)

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias athighBone : thighBone
	BoneTransform {
		id: thighBone
		parentBone: rootBone
		length: 40
	}
	property alias ashinBone : shinBone
	BoneTransform {
		id: shinBone
		parentBone: thighBone
		x: 40
		length: 40
	}
	property alias atargetBone : targetBone
	BoneTransform {
		id: targetBone
		parentBone: rootBone
		x: 60
	}
	IKJoint {
		id: legJoint
		target: targetBone
		first: thighBone
		second: shinBone
		mix: 0.5
	}
	Slot {
		id: backSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: frontSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	}
	]
	Item {
		id: defaultSkin
	
	}
	}
	property alias kickAnimation: kick
	Item {
	ParallelAnimation {
		id: kick
		SequentialAnimation {
	PropertyAction { target: legJoint; property: "mix"; value: 0.5 }
	PropertyAnimation { target: legJoint; property: "mix"; from: 0.5; to: 1; duration: 500; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
	PauseAnimation { duration: 500 }
	PropertyAction { target: legJoint; property: "mix"; value: 0 }
	PropertyAnimation { target: legJoint; property: "mix"; from: 0; to: 0.5; duration: 500; easing.bezierCurve: [ 0.1, 0.2, 0.3, 0.4, 1,1 ] }
	PropertyAnimation { target: legJoint; property: "mix"; from: 0.5; to: 1; duration: 500 }
		}
		SequentialAnimation {
	PropertyAction { target: legJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 500 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: false }
	PauseAnimation { duration: 500 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 500 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 500 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: true }
		}
		SequentialAnimation {
	ScriptAction { script: { backSlot.z = 0; frontSlot.z = 1; } }
	PauseAnimation { duration: 500 }
	ScriptAction { script: { frontSlot.z = 0; backSlot.z = 1; } }
	PauseAnimation { duration: 1000 }
	ScriptAction { script: { backSlot.z = 0; frontSlot.z = 1; } }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: root.spineEvent("hit", 1, 0, "", "hit.wav", 0.5, 0.5); }
	PauseAnimation { duration: 500 }
	ScriptAction { script: root.spineEvent("miss", 0, 0, "", "", 1, 0); }
		}
	}
	}
	}
