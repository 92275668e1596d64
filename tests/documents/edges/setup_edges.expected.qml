import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "setup_edges_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias atorsoBone : torsoBone
	BoneTransform {
		id: torsoBone
	}
	property alias aleftUpper_armBone : leftUpper_armBone
	BoneTransform {
		id: leftUpper_armBone
		parentBone: torsoBone
		x: 12.25
		y: 3
		angle: 45.5
		inheritRotation: false
		length: 60
	}
	property alias ahipLeftBone : hipLeftBone
	BoneTransform {
		id: hipLeftBone
		parentBone: torsoBone
		xScale: 1.23457
		yScale: 2
		inheritScale: true
	}
	property alias a_Bone : _Bone
	BoneTransform {
		id: _Bone
	}
	property alias abBone : bBone
	BoneTransform {
		id: bBone
		parentBone: _Bone
		x: 0
		y: 7.5
		angle: -90
		inheritScale: false
	}
	property alias azeroBone : zeroBone
	BoneTransform {
		id: zeroBone
		parentBone: bBone
		y: 0
	}
	property alias aleft_handBone : left_handBone
	BoneTransform {
		id: left_handBone
		parentBone: leftUpper_armBone
	}
	property alias aleftThighBone : leftThighBone
	BoneTransform {
		id: leftThighBone
		parentBone: hipLeftBone
	}
	property alias aleftShinBone : leftShinBone
	BoneTransform {
		id: leftShinBone
		parentBone: leftThighBone
	}
	property alias aleftFootTargetBone : leftFootTargetBone
	BoneTransform {
		id: leftFootTargetBone
		parentBone: torsoBone
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
		id: oneJoint
		target: bBone
		first: zeroBone
		bendPositive: true
		mix: 1
	}
	IKJoint {
		id: threeJoint
		target: bBone
		first: leftThighBone
	}
	IKJoint {
		id: noneJoint
		target: bBone
	}
	IKJoint {
		id: notAListJoint
		target: bBone
	}
	Slot {
		id: leftHandSlot
		parent: root
		bone: left_handBone
		setupAttachment: hand1Attachment
		setupColor: "#c0ff8000"
	}
	Slot {
		id: bodySlot
		parent: root
		bone: torsoBone
	}
	Slot {
		id: _Slot
		parent: root
	}
	Slot {
		id: nullAttachmentSlot
		parent: root
		bone: bBone
		setupAttachment: _Attachment
	}
	Slot {
		id: colourNotAStringSlot
		parent: root
		bone: bBone
	}
	Slot {
		id: sixDigitsSlot
		parent: root
		bone: bBone
		setupColor: "#00ff0000"
	}
	Slot {
		id: shortColourSlot
		parent: root
		bone: bBone
	}
	Slot {
		id: quoteInColourSlot
		parent: root
		bone: bBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: _Attachment; setupParent: nullAttachmentSlot }
	Attachment { id: hand1Attachment; setupParent: leftHandSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinLeftHandHand1; parent: hand1Attachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinLeftHandHand1
			source: imageFolderAndDash + "hand 1.png"
			parent: hand1Attachment
		}
		}
	}
	property alias adefaultSkinHand1: defaultSkinLeftHandHand1
	}
