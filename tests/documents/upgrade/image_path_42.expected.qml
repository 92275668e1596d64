import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "image_path_42_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aheadBone : headBone
	BoneTransform {
		id: headBone
		parentBone: rootBone
	}
	Slot {
		id: earSlot
		parent: root
		bone: headBone
		setupAttachment: earAttachment
	}
	Slot {
		id: faceSlot
		parent: root
		bone: headBone
		setupAttachment: faceAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: earAttachment; setupParent: earSlot }
	Attachment { id: earKeyOnlyAttachment }
	Attachment { id: earNameOnlyAttachment }
	Attachment { id: faceAttachment; setupParent: faceSlot }
	Attachment { id: linkedAttachment }
	Attachment { id: linkedSequenceAttachment }
	Attachment { id: linked_NoPathAttachment }
	Attachment { id: weightedAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinEarEar; parent: earAttachment }
	PropertyChanges { target: defaultSkinEarEarKeyOnly; parent: earKeyOnlyAttachment }
	PropertyChanges { target: defaultSkinEarEarNameOnly; parent: earNameOnlyAttachment }
	PropertyChanges { target: defaultSkinFaceFace; parent: faceAttachment }
	PropertyChanges { target: defaultSkinFaceLinked; parent: linkedAttachment }
	PropertyChanges { target: defaultSkinFaceLinkedSequence; parent: linkedSequenceAttachment }
	PropertyChanges { target: defaultSkinFaceLinked_NoPath; parent: linked_NoPathAttachment }
	PropertyChanges { target: defaultSkinFaceWeighted; parent: weightedAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinEarEar
			source: imageFolderAndDash + "girl-blue-cape/ear01.png"
			parent: earAttachment
		}
			SpineImage {
			id: defaultSkinEarEarKeyOnly
			source: imageFolderAndDash + "ear key only3.png"
			parent: earKeyOnlyAttachment
		}
			SpineImage {
			id: defaultSkinEarEarNameOnly
			source: imageFolderAndDash + "girl/ear4.png"
			parent: earNameOnlyAttachment
		}
			SpineMeshItem {
			id: defaultSkinFaceFace
			packed: false
			source: imageFolderAndDash + "faces/smile.png"
			parent: faceAttachment
			uvs: [ 0, 0, 1, 1 ] 
			triangles: [ 0, 1, 0 ] 
			vertices: [ 0, 0, 1, 1 ] 
		}
			SpineMeshItem {
			id: defaultSkinFaceLinked
			packed: false
			source: imageFolderAndDash + "faces/linked.png"
			parent: linkedAttachment
			width: 8
			height: 9
			uvs: [ 0, 0, 1, 1 ] 
			triangles: [ 0, 1, 0 ] 
			vertices: [ 0, 0, 1, 1 ] 
		}
			SpineMeshItem {
			id: defaultSkinFaceLinkedSequence
			packed: false
			source: imageFolderAndDash + "faces/frame001.png"
			parent: linkedSequenceAttachment
			uvs: [ 0, 0, 1, 1 ] 
			triangles: [ 0, 1, 0 ] 
			vertices: [ 0, 0, 1, 1 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinFaceLinked_NoPath
			packed: false
			source: imageFolderAndDash + "linked name.png"
			parent: linked_NoPathAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0 ] 
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 5, -6 ] 
			weights: [ 1 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinFaceWeighted
			packed: false
			source: imageFolderAndDash + "faces/weighted.png"
			parent: weightedAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0 ] 
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 5, -6 ] 
			weights: [ 1 ] 
		}
		}
	}
	property alias adefaultSkinEar: defaultSkinEarEar
	property alias adefaultSkinEarKeyOnly: defaultSkinEarEarKeyOnly
	property alias adefaultSkinEarNameOnly: defaultSkinEarEarNameOnly
	}
