import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "constraints_beside_43_images"
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
	property alias ahandTargetBone : handTargetBone
	BoneTransform {
		id: handTargetBone
		parentBone: rootBone
		x: 10
	}
	IKJoint {
		id: reachJoint
		target: handTargetBone
		first: armBone
		bendPositive: true
		mix: 0.5
	}
	Slot {
		id: armSlot
		parent: root
		bone: armBone
		setupAttachment: armAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: armAttachment; setupParent: armSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinArmArm; parent: armAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinArmArm
			source: imageFolderAndDash + "arm.png"
			parent: armAttachment
			width: 10
			height: 2
		}
		}
	}
	property alias adefaultSkinArm: defaultSkinArmArm
	}
