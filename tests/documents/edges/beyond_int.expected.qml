import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "beyond_int_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias a_Bone : _Bone
	BoneTransform {
		id: _Bone
	}
	property alias alastMsBone : lastMsBone
	BoneTransform {
		id: lastMsBone
	}
	property alias amostSecondsBone : mostSecondsBone
	BoneTransform {
		id: mostSecondsBone
	}
	Slot {
		id: sSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: mSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: count_1e308Attachment }
	Attachment { id: count1e308Attachment }
	Attachment { id: count2_31Attachment }
	Attachment { id: count2_32_1Attachment }
	Attachment { id: index_2_32Attachment }
	Attachment { id: index0Attachment }
	Attachment { id: index1e308Attachment }
	Attachment { id: index2_32Attachment }
	Attachment { id: mAttachment }
	Attachment { id: pairAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinMM; parent: mAttachment }
	PropertyChanges { target: defaultSkinSCount_1e308; parent: count_1e308Attachment }
	PropertyChanges { target: defaultSkinSCount1e308; parent: count1e308Attachment }
	PropertyChanges { target: defaultSkinSCount2_31; parent: count2_31Attachment }
	PropertyChanges { target: defaultSkinSCount2_32_1; parent: count2_32_1Attachment }
	PropertyChanges { target: defaultSkinSIndex_2_32; parent: index_2_32Attachment }
	PropertyChanges { target: defaultSkinSIndex0; parent: index0Attachment }
	PropertyChanges { target: defaultSkinSIndex1e308; parent: index1e308Attachment }
	PropertyChanges { target: defaultSkinSIndex2_32; parent: index2_32Attachment }
	PropertyChanges { target: defaultSkinSPair; parent: pairAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinMM
			packed: false
			source: imageFolderAndDash + "m.png"
			parent: mAttachment
			vertices: [ 0, 0, 10, 0 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinSCount_1e308
			packed: false
			source: imageFolderAndDash + "count -1e308.png"
			parent: count_1e308Attachment
			boneCounts: [ -2.14748e+09 ] 
			bones: [  ]
			boneVertices: [  ] 
			weights: [  ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinSCount1e308
			packed: false
			source: imageFolderAndDash + "count 1e308.png"
			parent: count1e308Attachment
			boneCounts: [  ] 
			bones: [  ]
			boneVertices: [  ] 
			weights: [  ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinSCount2_31
			packed: false
			source: imageFolderAndDash + "count 2^31.png"
			parent: count2_31Attachment
			boneCounts: [  ] 
			bones: [  ]
			boneVertices: [  ] 
			weights: [  ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinSCount2_32_1
			packed: false
			source: imageFolderAndDash + "count 2^32 + 1.png"
			parent: count2_32_1Attachment
			boneCounts: [  ] 
			bones: [  ]
			boneVertices: [  ] 
			weights: [  ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinSIndex_2_32
			packed: false
			source: imageFolderAndDash + "index -2^32.png"
			parent: index_2_32Attachment
			boneCounts: [ 1 ] 
			bones: [ _Bone ]
			boneVertices: [ 1, -2 ] 
			weights: [ 1 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinSIndex0
			packed: false
			source: imageFolderAndDash + "index 0.png"
			parent: index0Attachment
			boneCounts: [ 1 ] 
			bones: [ rootBone ]
			boneVertices: [ 1, -2 ] 
			weights: [ 1 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinSIndex1e308
			packed: false
			source: imageFolderAndDash + "index 1e308.png"
			parent: index1e308Attachment
			boneCounts: [ 1 ] 
			bones: [ _Bone ]
			boneVertices: [ 1, -2 ] 
			weights: [ 1 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinSIndex2_32
			packed: false
			source: imageFolderAndDash + "index 2^32.png"
			parent: index2_32Attachment
			boneCounts: [ 1 ] 
			bones: [ _Bone ]
			boneVertices: [ 1, -2 ] 
			weights: [ 1 ] 
		}
			SpineImage {
			id: defaultSkinSPair
			source: imageFolderAndDash + "dir/😀.png"
			parent: pairAttachment
		}
		}
	}
	property alias adefaultSkinPair: defaultSkinSPair
	property alias aAnimation: a
	Item {
	ParallelAnimation {
		id: a
		SequentialAnimation {
	PauseAnimation { duration: 2147483647 }
	ScriptAction { script: sSlot.attach(pairAttachment); }
	}
		SequentialAnimation {
	PauseAnimation { duration: 2147483647 }
	PropertyAction { target: lastMsBone; property: "dangle"; value: 0 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 2147483647 }
	PropertyAction { target: mostSecondsBone; property: "dangle"; value: 0 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinMM; property: "vertices"; value: [ 5, 0, 10, 0 ] }
	PropertyAction { target: defaultSkinMM; property: "vertices"; value: [ 5, 0, 10, 0 ] }
	PropertyAction { target: defaultSkinMM; property: "vertices"; value: [ 5, 0, 10, 0 ] }
	PropertyAction { target: defaultSkinMM; property: "vertices"; value: [ 5, 0, 10, 0 ] }
	PropertyAction { target: defaultSkinMM; property: "vertices"; value: [ 0, 0, 10, 0 ] }
	PropertyAction { target: defaultSkinMM; property: "vertices"; value: [ 0, 0, 10, 5 ] }
		}
	}
	}
	}
