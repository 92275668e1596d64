import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "setup_warnings_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias a_Bone : _Bone
	BoneTransform {
		id: _Bone
		parentBone: rootBone
	}
	property alias atorsoBone : torsoBone
	BoneTransform {
		id: torsoBone
		x: 0
		inheritScale: false
	}
	property alias aheadBone : headBone
	BoneTransform {
		id: headBone
		parentBone: torsoBone
		x: 0
		angle: 0
		inheritRotation: false
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: torsoBone
		xScale: 1
		inheritScale: true
		length: 0
	}
	Slot {
		id: bodySlot
		parent: root
		setupAttachment: bodyAttachment
	}
	Slot {
		id: faceSlot
		parent: root
		bone: headBone
		setupAttachment: grinAttachment
	}
	Slot {
		id: handSlot
		parent: root
		bone: armBone
		setupAttachment: fistAttachment
	}
	Slot {
		id: boxSlot
		parent: root
		bone: armBone
		setupColor: "#C0A0B0C0"
	}
	Slot {
		id: capeSlot
		parent: root
		bone: torsoBone
		setupAttachment: capeAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: bodyAttachment; setupParent: bodySlot }
	Attachment { id: capeAttachment; setupParent: capeSlot }
	Attachment { id: capeSkinnedAttachment }
	Attachment { id: fistAttachment; setupParent: handSlot }
	Attachment { id: grinAttachment; setupParent: faceSlot }
	Attachment { id: hitboxAttachment }
	Attachment { id: openHandAttachment }
	Attachment { id: smileAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "BLUE"
	PropertyChanges { target: blueFaceSmile; parent: smileAttachment }
	},
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: defaultSkinBodyGrin; parent: grinAttachment }
	PropertyChanges { target: defaultSkinBoxHitbox; parent: hitboxAttachment }
	PropertyChanges { target: defaultSkinCapeCape; parent: capeAttachment }
	PropertyChanges { target: defaultSkinCapeCapeSkinned; parent: capeSkinnedAttachment }
	PropertyChanges { target: defaultSkinFaceSmile; parent: smileAttachment }
	PropertyChanges { target: defaultSkinHandFist; parent: fistAttachment }
	PropertyChanges { target: defaultSkinHandOpenHand; parent: openHandAttachment }
	},
	State {
		name: "RED"
	}
	]
	Item {
		id: blue
	
		SpineImagePacked {
			id: blueFaceSmile
			source: imageFolderAndDash + "smile.png"
		}
		}
	Item {
		id: defaultSkin
	
		SpineImagePacked {
			id: defaultSkinBodyBody
			source: imageFolderAndDash + "body.png"
			parent: bodyAttachment
			trans.x: 0
			width: 0
		}
			SpineImagePacked {
			id: defaultSkinBodyGrin
			source: imageFolderAndDash + "grin.png"
			parent: grinAttachment
			height: 20
		}
			Item {
			id: defaultSkinBoxHitbox
			parent: hitboxAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 1, -1), Qt.point( 1, 0),  ] 
		}
			SpineMeshItem {
			id: defaultSkinCapeCape
			packed: true
			source: imageFolderAndDash + "cape.png"
			parent: capeAttachment
			uvs: [  ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 0, 10 ] 
			edges: [  ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinCapeCapeSkinned
			packed: true
			source: imageFolderAndDash + "cape skinned.png"
			parent: capeSkinnedAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0 ] 
			boneCounts: [ 1, 1 ] 
			bones: [ torsoBone, _Bone ]
			boneVertices: [ 0, 0, 5, -5 ] 
			weights: [ 1, 1 ] 
		}
			SpineImagePacked {
			id: defaultSkinFaceSmile
			source: imageFolderAndDash + "smile.png"
			parent: smileAttachment
			trans.x: 0
		}
			SpineImagePacked {
			id: defaultSkinHandFist
			source: imageFolderAndDash + "fist.png"
			parent: fistAttachment
		}
			SpineImagePacked {
			id: defaultSkinHandOpenHand
			source: imageFolderAndDash + ".png"
			parent: openHandAttachment
		}
		}
	Item {
		id: red
	
	}
	}
	property alias ablueSmile: blueFaceSmile
	property alias adefaultSkinBody: defaultSkinBodyBody
	property alias adefaultSkinFist: defaultSkinHandFist
	property alias adefaultSkinGrin: defaultSkinBodyGrin
	property alias adefaultSkinOpenHand: defaultSkinHandOpenHand
	property alias adefaultSkinSmile: defaultSkinFaceSmile
	}
