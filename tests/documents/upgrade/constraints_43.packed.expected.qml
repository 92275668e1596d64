import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "constraints_43_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias athighBone : thighBone
	BoneTransform {
		id: thighBone
		parentBone: rootBone
		length: 20
	}
	property alias ashinBone : shinBone
	BoneTransform {
		id: shinBone
		parentBone: thighBone
		x: 20
	}
	property alias afootTargetBone : footTargetBone
	BoneTransform {
		id: footTargetBone
		parentBone: rootBone
		y: 30
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: rootBone
	}
	property alias ahandTargetBone : handTargetBone
	BoneTransform {
		id: handTargetBone
		parentBone: rootBone
	}
	IKJoint {
		id: legJoint
		target: footTargetBone
		first: thighBone
		second: shinBone
		bendPositive: false
		mix: 0.75
	}
	IKJoint {
		id: reachJoint
		target: handTargetBone
		first: armBone
	}
	IKJoint {
		id: lastJoint
		target: footTargetBone
		first: shinBone
		mix: 0
	}
	Slot {
		id: legSlot
		parent: root
		bone: shinBone
		setupAttachment: legAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: legAttachment; setupParent: legSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "ARMORED"
	},
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinLegLeg; parent: legAttachment }
	}
	]
	Item {
		id: armored
	
	}
	Item {
		id: defaultSkin
	
		SpineImagePacked {
			id: defaultSkinLegLeg
			source: imageFolderAndDash + "leg.png"
			parent: legAttachment
			width: 4
			height: 20
		}
		}
	}
	property alias adefaultSkinLeg: defaultSkinLegLeg
	property alias walkAnimation: walk
	Item {
	ParallelAnimation {
		id: walk
		SequentialAnimation {
	PropertyAction { target: thighBone; property: "dangle"; value: -10 }
	PropertyAnimation { target: thighBone; property: "dangle"; from: -10; to: 10; duration: 1000 }
		}
	}
	}
	}
