import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "image_path_images"
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
		setupAttachment: girl_earAttachment
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
	
	Attachment { id: boxAttachment }
	Attachment { id: faceAttachment; setupParent: faceSlot }
	Attachment { id: girl_earAttachment; setupParent: earSlot }
	Attachment { id: pathNotTextAttachment }
	Attachment { id: pathOnlyAttachment }
	Attachment { id: skinnedFaceAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "BLUE"
	PropertyChanges { target: blueEarGirl_ear; parent: girl_earAttachment }
	},
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinEarBox; parent: boxAttachment }
	PropertyChanges { target: defaultSkinEarGirl_ear; parent: girl_earAttachment }
	PropertyChanges { target: defaultSkinEarPathNotText; parent: pathNotTextAttachment }
	PropertyChanges { target: defaultSkinEarPathOnly; parent: pathOnlyAttachment }
	PropertyChanges { target: defaultSkinFaceFace; parent: faceAttachment }
	PropertyChanges { target: defaultSkinFaceSkinnedFace; parent: skinnedFaceAttachment }
	}
	]
	Item {
		id: blue
	
		SpineImagePacked {
			id: blueEarGirl_ear
			source: imageFolderAndDash + "girl-blue-cape/ear-blue.png"
		}
		}
	Item {
		id: defaultSkin
	
		Item {
			id: defaultSkinEarBox
			parent: boxAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 1, -1),  ] 
		}
			SpineImagePacked {
			id: defaultSkinEarGirl_ear
			source: imageFolderAndDash + "girl-blue-cape/ear.png"
			parent: girl_earAttachment
			width: 20
			height: 30
		}
			SpineImagePacked {
			id: defaultSkinEarPathNotText
			source: imageFolderAndDash + ".png"
			parent: pathNotTextAttachment
		}
			SpineImagePacked {
			id: defaultSkinEarPathOnly
			source: imageFolderAndDash + "ears/left.png"
			parent: pathOnlyAttachment
		}
			SpineMeshItem {
			id: defaultSkinFaceFace
			packed: true
			source: imageFolderAndDash + "faces/smile.png"
			parent: faceAttachment
			uvs: [ 0, 0, 1, 1 ] 
			triangles: [ 0, 1, 0 ] 
			vertices: [ 0, 0, 1, 1 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinFaceSkinnedFace
			packed: true
			source: imageFolderAndDash + "faces/skinned.png"
			parent: skinnedFaceAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0 ] 
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 5, -6 ] 
			weights: [ 1 ] 
		}
		}
	}
	property alias ablueGirl_ear: blueEarGirl_ear
	property alias adefaultSkinGirl_ear: defaultSkinEarGirl_ear
	property alias adefaultSkinPathNotText: defaultSkinEarPathNotText
	property alias adefaultSkinPathOnly: defaultSkinEarPathOnly
	}
