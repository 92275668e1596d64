import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "meshes_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: rootBone
		setupAttachment: plainAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: boxAttachment }
	Attachment { id: boxWithoutCountAttachment }
	Attachment { id: olderWeightedAttachment }
	Attachment { id: plainAttachment; setupParent: bodySlot }
	Attachment { id: skinnedAttachment }
	Attachment { id: weightedAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBox; parent: boxAttachment }
	PropertyChanges { target: defaultSkinBodyBoxWithoutCount; parent: boxWithoutCountAttachment }
	PropertyChanges { target: defaultSkinBodyOlderWeighted; parent: olderWeightedAttachment }
	PropertyChanges { target: defaultSkinBodyPlain; parent: plainAttachment }
	PropertyChanges { target: defaultSkinBodySkinned; parent: skinnedAttachment }
	PropertyChanges { target: defaultSkinBodyWeighted; parent: weightedAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		Item {
			id: defaultSkinBodyBox
			parent: boxAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 5, -5),  ] 
		}
			Item {
			id: defaultSkinBodyBoxWithoutCount
			parent: boxWithoutCountAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 5, -5), Qt.point( 9, -9),  ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinBodyOlderWeighted
			packed: false
			source: imageFolderAndDash + "older weighted.png"
			parent: olderWeightedAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0, 0, 0 ] 
			boneCounts: [ 1 ] 
			bones: [ armBone ]
			boneVertices: [ 7, -8 ] 
			weights: [ 1 ] 
		}
			SpineMeshItem {
			id: defaultSkinBodyPlain
			packed: false
			source: imageFolderAndDash + "plain.png"
			parent: plainAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinBodySkinned
			packed: false
			source: imageFolderAndDash + "skinned.png"
			parent: skinnedAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0, 0, 0 ] 
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 2, -3 ] 
			weights: [ 1 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinBodyWeighted
			packed: false
			source: imageFolderAndDash + "weighted.png"
			parent: weightedAttachment
			uvs: [ 0, 0, 1, 1 ] 
			triangles: [ 0, 1, 0 ] 
			boneCounts: [ 1, 2 ] 
			bones: [ rootBone, rootBone, armBone ]
			boneVertices: [ 5, -6, 1, -2, -3, -4 ] 
			weights: [ 1, 0.25, 0.75 ] 
			edges: [ 0, 2 ] 
		}
		}
	}
	}
