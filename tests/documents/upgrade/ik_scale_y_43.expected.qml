import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "ik_scale_y_43_images"
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
		id: defaultJoint
		target: targetBone
		first: thighBone
		second: shinBone
	}
	IKJoint {
		id: noneJoint
		target: targetBone
		first: thighBone
		second: shinBone
	}
	IKJoint {
		id: uniformJoint
		target: targetBone
		first: thighBone
	}
	IKJoint {
		id: volumeJoint
		target: targetBone
		first: shinBone
		mix: 0.25
	}
	IKJoint {
		id: softJoint
		target: targetBone
		first: shinBone
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	}
