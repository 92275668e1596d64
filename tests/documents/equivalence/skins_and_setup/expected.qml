import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "skins_and_setup_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias ahipBone : hipBone
	BoneTransform {
		id: hipBone
		parentBone: rootBone
		y: -4
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: hipBone
		angle: -30
		inheritRotation: false
		length: 20
	}
	property alias alegBone : legBone
	BoneTransform {
		id: legBone
		parentBone: hipBone
		x: -2
		inheritScale: false
	}
	property alias atailBone : tailBone
	BoneTransform {
		id: tailBone
		parentBone: hipBone
		inheritScale: false
		inheritRotation: false
	}
	IKJoint {
		id: reachJoint
		target: rootBone
		first: armBone
		bendPositive: false
		mix: 0.5
	}
	Slot {
		id: bodySlot
		parent: root
		bone: hipBone
		setupAttachment: bodyAttachment
		setupColor: "#c0ff8000"
	}
	Slot {
		id: capeSlot
		parent: root
		bone: armBone
		setupAttachment: capeAttachment
	}
	Slot {
		id: wingSlot
		parent: root
		bone: armBone
		setupAttachment: wingAttachment
	}
	Slot {
		id: hitboxSlot
		parent: root
		bone: rootBone
		setupAttachment: boxAttachment
	}
	Slot {
		id: clipSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: bodyAttachment; setupParent: bodySlot }
	Attachment { id: boxAttachment; setupParent: hitboxSlot }
	Attachment { id: capeAttachment; setupParent: capeSlot }
	Attachment { id: cape2Attachment }
	Attachment { id: wingAttachment; setupParent: wingSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: defaultSkinCapeCape; parent: capeAttachment }
	PropertyChanges { target: defaultSkinCapeCape2; parent: cape2Attachment }
	PropertyChanges { target: defaultSkinHitboxBox; parent: boxAttachment }
	PropertyChanges { target: defaultSkinWingWing; parent: wingAttachment }
	},
	State {
		name: "ZOMBIE"
	PropertyChanges { target: zombieBodyBody; parent: bodyAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinBodyBody
			packed: false
			source: imageFolderAndDash + "body.png"
			parent: bodyAttachment
			width: 16
			height: 16
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 16, 0, 16, 16 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinCapeCape
			packed: false
			source: imageFolderAndDash + "cape.png"
			parent: capeAttachment
			width: 8
			height: 4
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			boneCounts: [ 1, 2, 1 ] 
			bones: [ armBone, rootBone, legBone, hipBone ]
			boneVertices: [ 4, -8, 2, 4, 6, -0.75, 0.5, 2 ] 
			weights: [ 1, 0.25, 0.75, 1 ] 
			edges: [ 0, 2, 2, 4 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinCapeCape2
			packed: false
			source: imageFolderAndDash + "cape2.png"
			parent: cape2Attachment
			width: 10
			height: 6
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			boneCounts: [ 1, 2, 1 ] 
			bones: [ armBone, rootBone, legBone, hipBone ]
			boneVertices: [ 4, -8, 2, 4, 6, -0.75, 0.5, 2 ] 
			weights: [ 1, 0.25, 0.75, 1 ] 
			edges: [ 0, 2, 2, 4 ] 
		}
			Item {
			id: defaultSkinHitboxBox
			parent: boxAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 4, 0), Qt.point( 4, -4),  ] 
		}
			SpineImage {
			id: defaultSkinWingWing
			source: imageFolderAndDash + "wing01.png"
			parent: wingAttachment
			width: 12
			height: 6
		}
		}
	Item {
		id: zombie
	
		SpineImage {
			id: zombieBodyBody
			source: imageFolderAndDash + "zombie body.png"
			width: 16
			height: 16
		}
		}
	}
	property alias adefaultSkinWing: defaultSkinWingWing
	property alias azombieBody: zombieBodyBody
	}
