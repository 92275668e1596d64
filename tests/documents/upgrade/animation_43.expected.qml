import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "animation_43_images"
	property url imageFolderAndDash: imageFolder + "/"

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
