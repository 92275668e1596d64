import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "draw_order_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: aSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: bSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: cSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: dSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: eSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: bSlot_2
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
	property alias bothSpellingsAnimation: bothSpellings
	Item {
	ParallelAnimation {
		id: bothSpellings
		SequentialAnimation {
	ScriptAction { script: { bSlot.z = 0; aSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
		}
	}
	}
	property alias emptyAnimation: empty
	Item {
	ParallelAnimation {
		id: empty
	}
	}
	property alias everyKeyRefusedAnimation: everyKeyRefused
	Item {
	ParallelAnimation {
		id: everyKeyRefused
	}
	}
	property alias keysWithoutOffsetsAnimation: keysWithoutOffsets
	Item {
	ParallelAnimation {
		id: keysWithoutOffsets
		SequentialAnimation {
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 100 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 100 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
		}
	}
	}
	property alias olderSpellingAnimation: olderSpelling
	Item {
	ParallelAnimation {
		id: olderSpelling
		SequentialAnimation {
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; eSlot.z = 3; dSlot.z = 4; bSlot_2.z = 5; } }
		}
	}
	}
	property alias refusedKeysAnimation: refusedKeys
	Item {
	ParallelAnimation {
		id: refusedKeys
		SequentialAnimation {
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 500 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; eSlot.z = 3; bSlot_2.z = 4; dSlot.z = 5; } }
	PauseAnimation { duration: 250 }
	ScriptAction { script: { bSlot.z = 0; aSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 250 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
		}
	}
	}
	property alias runtimeOrderAnimation: runtimeOrder
	Item {
	ParallelAnimation {
		id: runtimeOrder
		SequentialAnimation {
	ScriptAction { script: { dSlot.z = 0; aSlot.z = 1; cSlot.z = 2; bSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 500 }
	ScriptAction { script: { bSlot.z = 0; cSlot.z = 1; dSlot.z = 2; eSlot.z = 3; bSlot_2.z = 4; aSlot.z = 5; } }
	PauseAnimation { duration: 500 }
	ScriptAction { script: { cSlot.z = 0; aSlot.z = 1; bSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
		}
	}
	}
	property alias setupOrderFirstAnimation: setupOrderFirst
	Item {
	ParallelAnimation {
		id: setupOrderFirst
		SequentialAnimation {
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 250 }
	ScriptAction { script: { eSlot.z = 0; aSlot.z = 1; bSlot.z = 2; cSlot.z = 3; dSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 250 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
		}
	}
	}
	property alias timesAnimation: times
	Item {
	ParallelAnimation {
		id: times
		SequentialAnimation {
	ScriptAction { script: { bSlot.z = 0; aSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 1033 }
	ScriptAction { script: { bSlot.z = 0; cSlot.z = 1; aSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 34 }
	ScriptAction { script: { bSlot.z = 0; cSlot.z = 1; dSlot.z = 2; aSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 0 }
	ScriptAction { script: { bSlot.z = 0; cSlot.z = 1; dSlot.z = 2; eSlot.z = 3; aSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 450 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
		}
	}
	}
	property alias valuesOfOtherKindsAnimation: valuesOfOtherKinds
	Item {
	ParallelAnimation {
		id: valuesOfOtherKinds
		SequentialAnimation {
	ScriptAction { script: { bSlot.z = 0; aSlot.z = 1; dSlot.z = 2; cSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 100 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 100 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
	PauseAnimation { duration: 200 }
	ScriptAction { script: { aSlot.z = 0; bSlot.z = 1; cSlot.z = 2; dSlot.z = 3; eSlot.z = 4; bSlot_2.z = 5; } }
		}
	}
	}
	}
