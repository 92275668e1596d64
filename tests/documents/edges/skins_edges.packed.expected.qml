import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "skins_edges_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aleftArmBone : leftArmBone
	BoneTransform {
		id: leftArmBone
	}
	property alias a_Bone : _Bone
	BoneTransform {
		id: _Bone
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
	Slot {
		id: oneSlot
		parent: root
		bone: rootBone
		setupAttachment: xAttachment
	}
	Slot {
		id: twoSlot
		parent: root
		bone: rootBone
		setupAttachment: xAttachment
	}
	Slot {
		id: sSlot
		parent: root
		bone: rootBone
		setupAttachment: _Attachment
	}
	Slot {
		id: _Slot
		parent: root
		bone: rootBone
		setupAttachment: lonelyAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: _Attachment; setupParent: sSlot }
	Attachment { id: badBoneIndicesAttachment }
	Attachment { id: boxAttachment }
	Attachment { id: countBeyondIntAttachment }
	Attachment { id: countBeyondWhatRemainsAttachment }
	Attachment { id: emptyBoxAttachment }
	Attachment { id: goblinHeadAttachment }
	Attachment { id: hand_1Attachment; setupParent: leftHandSlot }
	Attachment { id: headAttachment; setupParent: headSlot }
	Attachment { id: lastInfluenceShortAttachment }
	Attachment { id: lonelyAttachment }
	Attachment { id: meshAttachment }
	Attachment { id: namedByANumberAttachment }
	Attachment { id: oddBoxAttachment }
	Attachment { id: roundedAndParsedAttachment }
	Attachment { id: sharedAttachment }
	Attachment { id: skinnedAttachment }
	Attachment { id: skinned_NoVerticesAttachment }
	Attachment { id: xAttachment; setupParent: twoSlot }
	Attachment { id: zeroAndNegativeCountsAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	},
	State {
		name: "DEFAULT_2"
	PropertyChanges { target: defaultSkinAShared; parent: sharedAttachment }
	PropertyChanges { target: defaultSkinBShared; parent: sharedAttachment }
	PropertyChanges { target: defaultSkinHeadHead; parent: headAttachment }
	PropertyChanges { target: defaultSkinLeftHandBox; parent: boxAttachment }
	PropertyChanges { target: defaultSkinLeftHandHand_1; parent: hand_1Attachment }
	PropertyChanges { target: defaultSkinLeftHandMesh; parent: meshAttachment }
	},
	State {
		name: "GOBLIN"
	PropertyChanges { target: goblinHeadGoblinHead; parent: goblinHeadAttachment }
	PropertyChanges { target: goblinLeftHandEmptyBox; parent: emptyBoxAttachment }
	PropertyChanges { target: goblinLeftHandHand_1; parent: hand_1Attachment }
	PropertyChanges { target: goblinLeftHandNamedByANumber; parent: namedByANumberAttachment }
	PropertyChanges { target: goblinLeftHandOddBox; parent: oddBoxAttachment }
	PropertyChanges { target: goblinLeftHandSkinned; parent: skinnedAttachment }
	PropertyChanges { target: goblinLeftHandSkinned_NoVertices; parent: skinned_NoVerticesAttachment }
	PropertyChanges { target: goblinTX; parent: xAttachment }
	},
	State {
		name: "SAY \"HI\""
	PropertyChanges { target: say_hi_SX; parent: xAttachment }
	},
	State {
		name: "SKINNED EDGES"
	PropertyChanges { target: skinnedEdgesSBadBoneIndices; parent: badBoneIndicesAttachment }
	PropertyChanges { target: skinnedEdgesSCountBeyondInt; parent: countBeyondIntAttachment }
	PropertyChanges { target: skinnedEdgesSCountBeyondWhatRemains; parent: countBeyondWhatRemainsAttachment }
	PropertyChanges { target: skinnedEdgesSLastInfluenceShort; parent: lastInfluenceShortAttachment }
	PropertyChanges { target: skinnedEdgesSRoundedAndParsed; parent: roundedAndParsedAttachment }
	PropertyChanges { target: skinnedEdgesSZeroAndNegativeCounts; parent: zeroAndNegativeCountsAttachment }
	}
	]
	Item {
		id: _default
	
	}
	Item {
		id: defaultSkin
	
		SpineImagePacked {
			id: defaultSkinAShared
			source: imageFolderAndDash + "shared.png"
			parent: sharedAttachment
		}
			SpineImagePacked {
			id: defaultSkinBShared
			source: imageFolderAndDash + "shared.png"
			parent: sharedAttachment
		}
			SpineImagePacked {
			id: defaultSkinHeadHead
			source: imageFolderAndDash + "head.png"
			parent: headAttachment
		}
			Item {
			id: defaultSkinLeftHandBox
			parent: boxAttachment
			property var vertices: [ Qt.point( 1, -2), Qt.point( 3, -4),  ] 
		}
			SpineImagePacked {
			id: defaultSkinLeftHandHand_1
			source: imageFolderAndDash + "hand-1.png"
			parent: hand_1Attachment
			trans.x: 10.5
			trans.y: 3
			rot.angle: -90
			width: 64
			height: 32
		}
			SpineMeshItem {
			id: defaultSkinLeftHandMesh
			packed: true
			source: imageFolderAndDash + "a\"b.png"
			parent: meshAttachment
			width: 5
			uvs: [ 0, 1 ] 
			triangles: [ 1e+06 ] 
			vertices: [ 1, 2, 3, 4 ] 
			edges: [  ] 
		}
		}
	Item {
		id: goblin
	
		SpineImagePacked {
			id: goblinHeadGoblinHead
			source: imageFolderAndDash + "goblin head.png"
		}
			Item {
			id: goblinLeftHandEmptyBox
		}
			SpineImagePacked {
			id: goblinLeftHandHand_1
			source: imageFolderAndDash + "img/hand.png"
			trans.x: 0
			trans.y: 0
			scale.xScale: 2
			scale.yScale: 0
		}
			SpineImagePacked {
			id: goblinLeftHandNamedByANumber
			source: imageFolderAndDash + ".png"
		}
			Item {
			id: goblinLeftHandOddBox
			property var vertices: [ Qt.point( 1, 0),  ] 
		}
			SpineSkinnedMeshItem {
			id: goblinLeftHandSkinned
			packed: true
			source: imageFolderAndDash + "skinned.png"
			uvs: [ 0.5 ] 
			boneCounts: [ 2, 1 ] 
			bones: [ rootBone, leftArmBone, leftArmBone ]
			boneVertices: [ 10, -20, -5, -6, 3, -4 ] 
			weights: [ 0.25, 0.75, 1 ] 
			edges: [ 2 ] 
		}
			SpineSkinnedMeshItem {
			id: goblinLeftHandSkinned_NoVertices
			packed: true
			source: imageFolderAndDash + "skinned, no vertices.png"
			triangles: [  ] 
		}
			SpineImagePacked {
			id: goblinTX
			source: imageFolderAndDash + "x.png"
		}
		}
	Item {
		id: say_hi_
	
		Item {
			id: say_hi_SX
		}
		}
	Item {
		id: skinnedEdges
	
		SpineSkinnedMeshItem {
			id: skinnedEdgesSBadBoneIndices
			packed: true
			source: imageFolderAndDash + "bad bone indices.png"
			boneCounts: [ 3 ] 
			bones: [ _Bone, _Bone, _Bone ]
			boneVertices: [ 1, -2, 3, -4, 5, -6 ] 
			weights: [ 1, 1, 1 ] 
		}
			SpineSkinnedMeshItem {
			id: skinnedEdgesSCountBeyondInt
			packed: true
			source: imageFolderAndDash + "count beyond int.png"
			boneCounts: [  ] 
			bones: [  ]
			boneVertices: [  ] 
			weights: [  ] 
		}
			SpineSkinnedMeshItem {
			id: skinnedEdgesSCountBeyondWhatRemains
			packed: true
			source: imageFolderAndDash + "count beyond what remains.png"
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 1, -2 ] 
			weights: [ 1 ] 
		}
			SpineSkinnedMeshItem {
			id: skinnedEdgesSLastInfluenceShort
			packed: true
			source: imageFolderAndDash + "last influence short.png"
			boneCounts: [ 1 ] 
			bones: [ leftArmBone ]
			boneVertices: [ 1, -2 ] 
			weights: [ 1 ] 
		}
			SpineSkinnedMeshItem {
			id: skinnedEdgesSRoundedAndParsed
			packed: true
			source: imageFolderAndDash + "rounded and parsed.png"
			boneCounts: [ 1, 1 ] 
			bones: [ leftArmBone, leftArmBone ]
			boneVertices: [ 1, -2, 3, -4 ] 
			weights: [ 1, 1 ] 
		}
			SpineSkinnedMeshItem {
			id: skinnedEdgesSZeroAndNegativeCounts
			packed: true
			source: imageFolderAndDash + "zero and negative counts.png"
			boneCounts: [ 0, -2, 0 ] 
			bones: [  ]
			boneVertices: [  ] 
			weights: [  ] 
		}
		}
	}
	property alias adefaultSkinHand_1: defaultSkinLeftHandHand_1
	property alias adefaultSkinHead: defaultSkinHeadHead
	property alias adefaultSkinShared: defaultSkinBShared
	property alias agoblinGoblinHead: goblinHeadGoblinHead
	property alias agoblinHand_1: goblinLeftHandHand_1
	property alias agoblinNamedByANumber: goblinLeftHandNamedByANumber
	property alias agoblinX: goblinTX
	}
