import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "sequence_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: wingSlot
		parent: root
		bone: rootBone
		setupAttachment: left_wingAttachment
	}
	Slot {
		id: flagSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: flagMeshAttachment }
	Attachment { id: left_wingAttachment; setupParent: wingSlot }
	Attachment { id: longNumberAttachment }
	Attachment { id: namedAttachment }
	Attachment { id: noSequenceAttachment }
	Attachment { id: pathedAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinFlagFlagMesh; parent: flagMeshAttachment }
	PropertyChanges { target: defaultSkinWingLeft_wing; parent: left_wingAttachment }
	PropertyChanges { target: defaultSkinWingLongNumber; parent: longNumberAttachment }
	PropertyChanges { target: defaultSkinWingNamed; parent: namedAttachment }
	PropertyChanges { target: defaultSkinWingNoSequence; parent: noSequenceAttachment }
	PropertyChanges { target: defaultSkinWingPathed; parent: pathedAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinFlagFlagMesh
			packed: true
			source: imageFolderAndDash + "flag mesh0003.png"
			parent: flagMeshAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 8, 0, 8, 8 ] 
		}
			SpineImagePacked {
			id: defaultSkinWingLeft_wing
			source: imageFolderAndDash + "left-wing01.png"
			parent: left_wingAttachment
			width: 32
			height: 16
		}
			SpineImagePacked {
			id: defaultSkinWingLongNumber
			source: imageFolderAndDash + "long number12345.png"
			parent: longNumberAttachment
		}
			SpineImagePacked {
			id: defaultSkinWingNamed
			source: imageFolderAndDash + "wing/named007.png"
			parent: namedAttachment
		}
			SpineImagePacked {
			id: defaultSkinWingNoSequence
			source: imageFolderAndDash + "unused path.png"
			parent: noSequenceAttachment
		}
			SpineImagePacked {
			id: defaultSkinWingPathed
			source: imageFolderAndDash + "wing/pathed-0.png"
			parent: pathedAttachment
		}
		}
	}
	property alias adefaultSkinLeft_wing: defaultSkinWingLeft_wing
	property alias adefaultSkinLongNumber: defaultSkinWingLongNumber
	property alias adefaultSkinNamed: defaultSkinWingNamed
	property alias adefaultSkinNoSequence: defaultSkinWingNoSequence
	property alias adefaultSkinPathed: defaultSkinWingPathed
	}
