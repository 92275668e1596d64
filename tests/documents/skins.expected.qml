import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "skins_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aleftArmBone : leftArmBone
	BoneTransform {
		id: leftArmBone
		parentBone: rootBone
	}
	Slot {
		id: leftHandSlot
		parent: root
		bone: leftArmBone
		setupAttachment: hand_1Attachment
	}
	Slot {
		id: headSlot
		parent: root
		bone: rootBone
		setupAttachment: headAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: goblinHeadAttachment }
	Attachment { id: hand_1Attachment; setupParent: leftHandSlot }
	Attachment { id: headAttachment; setupParent: headSlot }
	Attachment { id: hitboxAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinHeadHead; parent: headAttachment }
	PropertyChanges { target: defaultSkinLeftHandHand_1; parent: hand_1Attachment }
	PropertyChanges { target: defaultSkinLeftHandHitbox; parent: hitboxAttachment }
	},
	State {
		name: "GOBLIN"
	PropertyChanges { target: goblinHeadGoblinHead; parent: goblinHeadAttachment }
	PropertyChanges { target: goblinLeftHandHand_1; parent: hand_1Attachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinHeadHead
			source: imageFolderAndDash + "head.png"
			parent: headAttachment
			trans.x: 10.5
			trans.y: 3
			rot.angle: -90
			width: 64
			height: 32
		}
			SpineMeshItem {
			id: defaultSkinLeftHandHand_1
			packed: false
			source: imageFolderAndDash + "hand-1.png"
			parent: hand_1Attachment
			width: 10
			height: 12
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 1, 2, 3, 4, 5, 6 ] 
		}
			Item {
			id: defaultSkinLeftHandHitbox
			parent: hitboxAttachment
			property var vertices: [ Qt.point( 1, -2), Qt.point( 3, -4), Qt.point( 5, -6), Qt.point( 7, -8),  ] 
		}
		}
	Item {
		id: goblin
	
		SpineImage {
			id: goblinHeadGoblinHead
			source: imageFolderAndDash + "goblin/head.png"
			trans.x: 1
			trans.y: 0
			scale.xScale: 0.5
			scale.yScale: 2
		}
			SpineSkinnedMeshItem {
			id: goblinLeftHandHand_1
			packed: false
			source: imageFolderAndDash + "hand-1.png"
			uvs: [ 0, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			boneCounts: [ 2, 1 ] 
			bones: [ rootBone, leftArmBone, leftArmBone ]
			boneVertices: [ 10, -20, -5, -6, 3, -4 ] 
			weights: [ 0.25, 0.75, 1 ] 
			edges: [ 0, 1 ] 
		}
		}
	}
	property alias adefaultSkinHead: defaultSkinHeadHead
	property alias agoblinGoblinHead: goblinHeadGoblinHead
	}
