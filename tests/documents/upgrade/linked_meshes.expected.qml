import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "linked_meshes_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: rootBone
		setupAttachment: baseAttachment
	}
	Slot {
		id: capeSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: baseAttachment; setupParent: bodySlot }
	Attachment { id: capeAttachment }
	Attachment { id: chainedAttachment }
	Attachment { id: copyAttachment }
	Attachment { id: imageAttachment }
	Attachment { id: weightedAttachment }
	Attachment { id: wrongSkinAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBase; parent: baseAttachment }
	PropertyChanges { target: defaultSkinBodyChained; parent: chainedAttachment }
	PropertyChanges { target: defaultSkinBodyCopy; parent: copyAttachment }
	PropertyChanges { target: defaultSkinBodyImage; parent: imageAttachment }
	PropertyChanges { target: defaultSkinCapeWeighted; parent: weightedAttachment }
	},
	State {
		name: "HERO"
	PropertyChanges { target: heroBodyBase; parent: baseAttachment }
	PropertyChanges { target: heroCapeCape; parent: capeAttachment }
	PropertyChanges { target: heroCapeWrongSkin; parent: wrongSkinAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinBodyBase
			packed: false
			source: imageFolderAndDash + "base.png"
			parent: baseAttachment
			trans.x: 99
			width: 10
			height: 10
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
			edges: [ 0, 2 ] 
		}
			SpineMeshItem {
			id: defaultSkinBodyChained
			packed: false
			source: imageFolderAndDash + "chain image.png"
			parent: chainedAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
			edges: [ 0, 2 ] 
		}
			SpineMeshItem {
			id: defaultSkinBodyCopy
			packed: false
			source: imageFolderAndDash + "copy.png"
			parent: copyAttachment
			width: 20
			height: 30
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
			edges: [ 0, 2 ] 
		}
			SpineImage {
			id: defaultSkinBodyImage
			source: imageFolderAndDash + "image.png"
			parent: imageAttachment
		}
			SpineSkinnedMeshItem {
			id: defaultSkinCapeWeighted
			packed: false
			source: imageFolderAndDash + "weighted.png"
			parent: weightedAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0, 0, 0 ] 
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 5, -6 ] 
			weights: [ 1 ] 
		}
		}
	Item {
		id: hero
	
		SpineMeshItem {
			id: heroBodyBase
			packed: false
			source: imageFolderAndDash + "hero/base.png"
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
			edges: [ 0, 2 ] 
		}
			SpineSkinnedMeshItem {
			id: heroCapeCape
			packed: false
			source: imageFolderAndDash + "cape.png"
			uvs: [ 0, 0 ] 
			triangles: [ 0, 0, 0 ] 
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 5, -6 ] 
			weights: [ 1 ] 
		}
			SpineSkinnedMeshItem {
			id: heroCapeWrongSkin
			packed: false
			source: imageFolderAndDash + "wrong skin.png"
			uvs: [ 0, 0 ] 
			triangles: [ 0, 0, 0 ] 
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 5, -6 ] 
			weights: [ 1 ] 
		}
		}
	}
	property alias adefaultSkinImage: defaultSkinBodyImage
	}
