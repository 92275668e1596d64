import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "animation_43_images"
	property url imageFolderAndDash: imageFolder + "/"
	signal spineEvent(string name, int intValue, real floatValue, string stringValue, string audioPath, real volume, real balance)

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: rootBone
		length: 10
	}
	property alias atargetBone : targetBone
	BoneTransform {
		id: targetBone
		parentBone: rootBone
		x: 10
	}
	IKJoint {
		id: reachJoint
		target: targetBone
		first: armBone
	}
	Slot {
		id: frontSlot
		parent: root
		bone: armBone
	}
	Slot {
		id: backSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: hatSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	property alias actAnimation: act
	Item {
	ParallelAnimation {
		id: act
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dangle"; value: -30 }
	PropertyAnimation { target: armBone; property: "dangle"; from: -30; to: -60; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: reachJoint; property: "mix"; value: 0.5 }
	PropertyAnimation { target: reachJoint; property: "mix"; from: 0.5; to: 1; duration: 1000 }
		}
		SequentialAnimation {
	ScriptAction { script: { frontSlot.z = 0; backSlot.z = 1; hatSlot.z = 2; } }
	PauseAnimation { duration: 500 }
	ScriptAction { script: { frontSlot.z = 0; hatSlot.z = 1; backSlot.z = 2; } }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: root.spineEvent("step", 0, 0, "", "", 1, 0); }
		}
	}
	}
	property alias poseAnimation: pose
	Item {
	ParallelAnimation {
		id: pose
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dangle"; value: 90 }
		}
	}
	}
	}
