import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "setup_pose_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias ahipBone : hipBone
	BoneTransform {
		id: hipBone
		parentBone: rootBone
		y: 7.5
		inheritScale: true
	}
	property alias aleftUpper_armBone : leftUpper_armBone
	BoneTransform {
		id: leftUpper_armBone
		parentBone: hipBone
		x: 12.25
		y: 3
		angle: 45.5
		inheritRotation: false
		length: 60
	}
	property alias aleftThighBone : leftThighBone
	BoneTransform {
		id: leftThighBone
		parentBone: hipBone
		xScale: 1.23457
		yScale: 0.5
		angle: -200
	}
	property alias aleftShinBone : leftShinBone
	BoneTransform {
		id: leftShinBone
		parentBone: leftThighBone
		x: 50
	}
	property alias aleftFootTargetBone : leftFootTargetBone
	BoneTransform {
		id: leftFootTargetBone
		parentBone: rootBone
	}
	IKJoint {
		id: leftLegIKJoint
		target: leftFootTargetBone
		first: leftThighBone
		second: leftShinBone
		bendPositive: false
		mix: 0.75
	}
	IKJoint {
		id: reachJoint
		target: leftFootTargetBone
		first: leftUpper_armBone
		bendPositive: true
	}
	IKJoint {
		id: brokenJoint
		target: rootBone
	}
	Slot {
		id: leftHandSlot
		parent: root
		bone: leftUpper_armBone
		setupAttachment: hand1Attachment
		setupColor: "#c0ff8000"
	}
	Slot {
		id: bodySlot
		parent: root
		bone: hipBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: hand1Attachment; setupParent: leftHandSlot }
	}
	property Item skins: Item {
	visible: false
	
	}
	}
