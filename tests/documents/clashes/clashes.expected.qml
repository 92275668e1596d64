import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "clashes_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias aarm_1Bone : arm_1Bone
	BoneTransform {
		id: arm_1Bone
	}
	property alias aarm_1Bone_2 : arm_1Bone_2
	BoneTransform {
		id: arm_1Bone_2
		parentBone: arm_1Bone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: arm_1Bone_2
	}
	property alias aarmBone_2 : armBone_2
	BoneTransform {
		id: armBone_2
		parentBone: arm_1Bone
	}
	property alias ahipBone : hipBone
	BoneTransform {
		id: hipBone
	}
	property alias ahipBone_2 : hipBone_2
	BoneTransform {
		id: hipBone_2
		parentBone: hipBone
	}
	property alias afootBone : footBone
	BoneTransform {
		id: footBone
		parentBone: hipBone_2
	}
	IKJoint {
		id: redLegJoint
		target: footBone
		first: hipBone
		second: hipBone_2
	}
	Slot {
		id: leftArmSlot
		parent: root
		bone: arm_1Bone_2
		setupAttachment: arm_1Attachment
	}
	Slot {
		id: leftArmSlot_2
		parent: root
		bone: armBone
		setupAttachment: arm_1Attachment_2
	}
	Slot {
		id: leftArmSlot_3
		parent: root
		bone: hipBone_2
	}
	Slot {
		id: legSlot
		parent: root
		bone: hipBone_2
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: jointAttachment }
	Attachment { id: arm_1Attachment; setupParent: leftArmSlot }
	Attachment { id: arm_1Attachment_2; setupParent: leftArmSlot_2 }
	Attachment { id: xAnimationAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "LEFTARM"
	},
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinLeftArmArm_1; parent: arm_1Attachment }
	PropertyChanges { target: defaultSkinLeftArmArm_1_2; parent: arm_1Attachment_2 }
	},
	State {
		name: "LEFTARM_2"
	PropertyChanges { target: leftArmLeftArmArm_1; parent: arm_1Attachment }
	},
	State {
		name: "RED"
	PropertyChanges { target: redLegJoint_2; parent: jointAttachment }
	},
	State {
		name: "WALK"
	PropertyChanges { target: walkLegXAnimation; parent: xAnimationAttachment }
	}
	]
	Item {
		id: leftArm
	
	}
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinLeftArmArm_1
			source: imageFolderAndDash + "arm-1.png"
			parent: arm_1Attachment
		}
			SpineImage {
			id: defaultSkinLeftArmArm_1_2
			source: imageFolderAndDash + "arm_1.png"
			parent: arm_1Attachment_2
		}
		}
	Item {
		id: leftArm_2
	
		SpineMeshItem {
			id: leftArmLeftArmArm_1
			packed: false
			source: imageFolderAndDash + "arm-1.png"
			uvs: [ 0, 0 ] 
			triangles: [ 0 ] 
			vertices: [ 0, 0 ] 
		}
		}
	Item {
		id: red
	
		Item {
			id: redLegJoint_2
			property var vertices: [ Qt.point( 0, 0), Qt.point( 1, -1),  ] 
		}
		}
	Item {
		id: walk
	
		SpineImage {
			id: walkLegXAnimation
			source: imageFolderAndDash + "x Animation.png"
		}
		}
	}
	property alias adefaultSkinArm_1: defaultSkinLeftArmArm_1_2
	property alias awalkXAnimation: walkLegXAnimation
	property alias awalkXAnimation_2: awalkX
	Item {
	ParallelAnimation {
		id: awalkX
		SequentialAnimation {
	PropertyAction { target: leftArmSlot_2; property: "color"; value: "#ffff0000" }
	ColorAnimation { target: leftArmSlot_2; property: "color"; from: "#ffff0000"; to: "#ff00ff00"; duration: 1000 }
	}
		SequentialAnimation {
	PropertyAction { target: leftArmLeftArmArm_1; property: "vertices"; value: [ 0, 0 ] }
	PropertyAnimation { target: leftArmLeftArmArm_1; property: "vertices"; from: [ 0, 0 ] ; to: [ 1, 1 ] ; duration: 1000 }
		}
	}
	}
	property alias _rootAnimation: _root
	Item {
	ParallelAnimation {
		id: _root
		SequentialAnimation {
	PauseAnimation { duration: 1000 }
	PropertyAction { target: hipBone; property: "dx"; value: 2 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 1000 }
	PropertyAction { target: hipBone; property: "dy"; value: -3 }
		}
	}
	}
	property alias walk_2Animation: walk_2
	Item {
	ParallelAnimation {
		id: walk_2
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: leftArmSlot.attach(arm_1Attachment_2); }
	}
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dangle"; value: -10 }
	PropertyAnimation { target: armBone; property: "dangle"; from: -10; to: -20; duration: 500 }
		}
	}
	}
	}
