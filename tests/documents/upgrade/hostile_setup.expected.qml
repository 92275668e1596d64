import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "hostile_setup_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias a_Bone : _Bone
	BoneTransform {
		id: _Bone
	}
	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: _Slot
		parent: root
	}
	Slot {
		id: sSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: aAttachment }
	Attachment { id: box2Attachment }
	Attachment { id: meshAttachment }
	Attachment { id: seqAttachment }
	Attachment { id: seq2Attachment }
	Attachment { id: seq3Attachment }
	Attachment { id: seq4Attachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: ""
	},
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinSBox2; parent: box2Attachment }
	PropertyChanges { target: defaultSkinSMesh; parent: meshAttachment }
	PropertyChanges { target: defaultSkinSSeq; parent: seqAttachment }
	PropertyChanges { target: defaultSkinSSeq2; parent: seq2Attachment }
	PropertyChanges { target: defaultSkinSSeq3; parent: seq3Attachment }
	PropertyChanges { target: defaultSkinSSeq4; parent: seq4Attachment }
	PropertyChanges { target: defaultSkinUA; parent: aAttachment }
	}
	]
	Item {
		id: _
	
	}
	Item {
		id: defaultSkin
	
		Item {
			id: defaultSkinSBox2
			parent: box2Attachment
		}
			SpineMeshItem {
			id: defaultSkinSMesh
			packed: false
			source: imageFolderAndDash + "mesh.png"
			parent: meshAttachment
			uvs: [  ] 
			vertices: [  ] 
		}
			SpineImage {
			id: defaultSkinSSeq
			source: imageFolderAndDash + "seq1.png"
			parent: seqAttachment
		}
			SpineImage {
			id: defaultSkinSSeq2
			source: imageFolderAndDash + "9007199254740992.png"
			parent: seq2Attachment
		}
			SpineImage {
			id: defaultSkinSSeq3
			source: imageFolderAndDash + "seq3-5.png"
			parent: seq3Attachment
		}
			SpineImage {
			id: defaultSkinSSeq4
			source: imageFolderAndDash + "seq402.png"
			parent: seq4Attachment
		}
			SpineImage {
			id: defaultSkinUA
			source: imageFolderAndDash + "a.png"
			parent: aAttachment
		}
		}
	}
	property alias adefaultSkinA: defaultSkinUA
	property alias adefaultSkinSeq: defaultSkinSSeq
	property alias adefaultSkinSeq2: defaultSkinSSeq2
	property alias adefaultSkinSeq3: defaultSkinSSeq3
	property alias adefaultSkinSeq4: defaultSkinSSeq4
	}
