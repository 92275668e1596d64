import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "worked_examples_images"
	property url imageFolderAndDash: imageFolder + "/"
	signal spineEvent(string name, int intValue, real floatValue, string stringValue, string audioPath, real volume, real balance)

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: armSlot
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
	property alias handInFrontAnimation: handInFront
	Item {
	ParallelAnimation {
		id: handInFront
		SequentialAnimation {
	ScriptAction { script: { armSlot.z = 0; bodySlot.z = 1; } }
		}
	}
	}
	property alias walkAnimation: walk
	Item {
	ParallelAnimation {
		id: walk
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: root.spineEvent("footstep", 2, 0, "left", "", 1, 0); }
		}
	}
	}
	}
