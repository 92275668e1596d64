import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "hostile_animation_images"
	property url imageFolderAndDash: imageFolder + "/"

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
	
	states: [
	State {
		name: "DEFAULT"
	}
	]
	Item {
		id: defaultSkin
	
	}
	}
	property alias badAnimation: bad
	Item {
	ParallelAnimation {
		id: bad
		SequentialAnimation {
	ScriptAction { script: bodySlot.attach(null); }
	PauseAnimation { duration: 1000 }
	ScriptAction { script: bodySlot.attach(null); }
	ScriptAction { script: bodySlot.attach(null); }
	}
		SequentialAnimation {
		}
		SequentialAnimation {
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dyScale"; value: 0 }
	PropertyAction { target: rootBone; property: "dyScale"; value: 2 }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dx"; value: 0 }
	PropertyAction { target: rootBone; property: "dx"; value: 0 }
	PropertyAnimation { target: rootBone; property: "dx"; from: 0; to: 2; duration: 1000; easing.bezierCurve: [ 0, 0, 0, 0, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dy"; value: 0 }
	PropertyAction { target: rootBone; property: "dy"; value: 0 }
	PropertyAnimation { target: rootBone; property: "dy"; from: 0; to: -2; duration: 1000 }
		}
	}
	}
	property alias bonesOnlyAnimation: bonesOnly
	Item {
	ParallelAnimation {
		id: bonesOnly
	}
	}
	property alias worseAnimation: worse
	Item {
	ParallelAnimation {
		id: worse
	}
	}
	}
