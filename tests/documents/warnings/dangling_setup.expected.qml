import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "dangling_setup_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias atorsoBone : torsoBone
	BoneTransform {
		id: torsoBone
		y: -20
	}
	property alias ahipBone : hipBone
	BoneTransform {
		id: hipBone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: torsoBone
		length: 30
	}
	property alias alegBone : legBone
	BoneTransform {
		id: legBone
		parentBone: hipBone
		length: 40
	}
	IKJoint {
		id: lostThirdJoint
		target: rootBone
		first: hipBone
		mix: 0.25
	}
	IKJoint {
		id: reachJoint
		target: rootBone
		first: torsoBone
		second: armBone
		bendPositive: false
	}
	IKJoint {
		id: twiceJoint_2
		target: rootBone
		first: legBone
	}
	Slot {
		id: bodySlot
		parent: root
		setupAttachment: bodyAttachment
	}
	Slot {
		id: capeSlot
		parent: root
		setupAttachment: capeAttachment
	}
	Slot {
		id: faceSlot
		parent: root
		bone: torsoBone
		setupAttachment: grinAttachment
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
	Attachment { id: capeAttachment; setupParent: capeSlot }
	Attachment { id: fistAttachment; setupParent: handSlot }
	Attachment { id: grinAttachment; setupParent: faceSlot }
	Attachment { id: smileAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: defaultSkinCapeCape; parent: capeAttachment }
	PropertyChanges { target: defaultSkinFaceSmile; parent: smileAttachment }
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
			id: defaultSkinCapeCape
			source: imageFolderAndDash + "cape.png"
			parent: capeAttachment
			width: 8
			height: 8
		}
			SpineImage {
			id: defaultSkinFaceSmile
			source: imageFolderAndDash + "smile.png"
			parent: smileAttachment
			width: 4
			height: 4
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
	property alias adefaultSkinCape: defaultSkinCapeCape
	property alias adefaultSkinFist: defaultSkinHandFist
	property alias adefaultSkinSmile: defaultSkinFaceSmile
	property alias walkAnimation: walk
	Item {
	ParallelAnimation {
		id: walk
		SequentialAnimation {
	PropertyAction { target: bodySlot; property: "color"; value: "#ffff0000" }
	}
		SequentialAnimation {
	PropertyAction { target: torsoBone; property: "dangle"; value: -10 }
	PropertyAnimation { target: torsoBone; property: "dangle"; from: -10; to: 10; duration: 500 }
		}
		SequentialAnimation {
	PropertyAction { target: lostThirdJoint; property: "mix"; value: 1 }
	PropertyAnimation { target: lostThirdJoint; property: "mix"; from: 1; to: 0; duration: 500 }
		}
		SequentialAnimation {
	PropertyAction { target: reachJoint; property: "mix"; value: 1 }
	PropertyAnimation { target: reachJoint; property: "mix"; from: 1; to: 0.5; duration: 500 }
		}
		SequentialAnimation {
	PropertyAction { target: reachJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 500 }
	PropertyAction { target: reachJoint; property: "bendPositive"; value: false }
		}
	}
	}
	}
