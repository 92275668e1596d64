import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "dangling_setup_42_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias atorsoBone : torsoBone
	BoneTransform {
		id: torsoBone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: torsoBone
		length: 30
	}
	IKJoint {
		id: reachJoint
		target: rootBone
		first: torsoBone
		second: armBone
	}
	Slot {
		id: bodySlot
		parent: root
		setupAttachment: bodyAttachment
	}
	Slot {
		id: handSlot
		parent: root
		bone: armBone
		setupAttachment: fistAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: bodyAttachment; setupParent: bodySlot }
	Attachment { id: fistAttachment; setupParent: handSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: defaultSkinHandFist; parent: fistAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinBodyBody
			source: imageFolderAndDash + "body.png"
			parent: bodyAttachment
			width: 10
			height: 10
		}
			SpineImage {
			id: defaultSkinHandFist
			source: imageFolderAndDash + "fist.png"
			parent: fistAttachment
			width: 2
			height: 2
		}
		}
	}
	property alias adefaultSkinBody: defaultSkinBodyBody
	property alias adefaultSkinFist: defaultSkinHandFist
	property alias walkAnimation: walk
	Item {
	ParallelAnimation {
		id: walk
		SequentialAnimation {
	PropertyAction { target: reachJoint; property: "mix"; value: 0.5 }
	PropertyAnimation { target: reachJoint; property: "mix"; from: 0.5; to: 1; duration: 500 }
		}
		SequentialAnimation {
	PropertyAction { target: reachJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 500 }
	PropertyAction { target: reachJoint; property: "bendPositive"; value: false }
		}
	}
	}
	}
