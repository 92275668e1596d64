import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "events_images"
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
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	property alias emptyAnimation: empty
	Item {
	ParallelAnimation {
		id: empty
	}
	}
	property alias eventWithoutSetupAnimation: eventWithoutSetup
	Item {
	ParallelAnimation {
		id: eventWithoutSetup
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: root.spineEvent("boom", 4, 0, "", "", 1, 0); }
	PauseAnimation { duration: 500 }
	ScriptAction { script: root.spineEvent("boom", 0, 0, "again", "", 1, 0); }
		}
	}
	}
	property alias everyKeyLeftOutAnimation: everyKeyLeftOut
	Item {
	ParallelAnimation {
		id: everyKeyLeftOut
	}
	}
	property alias keysLeftOutAnimation: keysLeftOut
	Item {
	ParallelAnimation {
		id: keysLeftOut
		SequentialAnimation {
	PauseAnimation { duration: 300 }
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
	PauseAnimation { duration: 300 }
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
		}
	}
	}
	property alias numbersAnimation: numbers
	Item {
	ParallelAnimation {
		id: numbers
		SequentialAnimation {
	ScriptAction { script: root.spineEvent("empty setup", 2, 0, "", "", 1, 0); }
	ScriptAction { script: root.spineEvent("empty setup", -2, 1.23457e+06, "", "", 1, 0); }
	ScriptAction { script: root.spineEvent("empty setup", 2147483647, 0, "", "", 1, -1); }
	ScriptAction { script: root.spineEvent("empty setup", -2147483648, 0, "", "", 0.5, 0); }
	ScriptAction { script: root.spineEvent("empty setup", 0, 0, "", "", 0, 0); }
		}
	}
	}
	property alias setupValuesAnimation: setupValues
	Item {
	ParallelAnimation {
		id: setupValues
		SequentialAnimation {
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: root.spineEvent("hit", 1, 1e-05, "", "sounds/hit.ogg", 0, 1); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: root.spineEvent("empty setup", 0, 0, "", "", 1, 0); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: root.spineEvent("say \"hi\"", 0, 0, "line one\nline \"two\"\t\\ end ☃", "sfx\\say.wav", 1, 0); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: root.spineEvent("odd setup", 0, 0, "", "", 0, 0); }
		}
	}
	}
	property alias spineEventAnimation: spineEvent
	Item {
	ParallelAnimation {
		id: spineEvent
		SequentialAnimation {
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
		}
	}
	}
	property alias timesAnimation: times
	Item {
	ParallelAnimation {
		id: times
		SequentialAnimation {
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
	PauseAnimation { duration: 533 }
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
	PauseAnimation { duration: 34 }
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
	PauseAnimation { duration: 0 }
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
	PauseAnimation { duration: 450 }
	ScriptAction { script: root.spineEvent("hit", 7, 2.5, "sword", "sounds/hit.ogg", 0.8, -0.5); }
		}
	}
	}
	}
