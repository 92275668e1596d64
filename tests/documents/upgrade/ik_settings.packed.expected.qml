import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "ik_settings_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias athighBone : thighBone
	BoneTransform {
		id: thighBone
		parentBone: rootBone
	}
	property alias ashinBone : shinBone
	BoneTransform {
		id: shinBone
		parentBone: thighBone
	}
	property alias atargetBone : targetBone
	BoneTransform {
		id: targetBone
		parentBone: rootBone
	}
	IKJoint {
		id: legJoint
		target: targetBone
		first: thighBone
		second: shinBone
		bendPositive: false
	}
	IKJoint {
		id: reachJoint
		target: targetBone
		first: shinBone
		mix: 0.5
	}
	IKJoint {
		id: plainJoint
		target: targetBone
		first: thighBone
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	}
