import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "dangling_timelines_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias atorsoBone : torsoBone
	BoneTransform {
		id: torsoBone
		parentBone: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: torsoBone
		setupAttachment: bodyAttachment
	}
	Slot {
		id: capeSlot
		parent: root
		bone: torsoBone
		setupAttachment: capeAttachment
	}
	Slot {
		id: boxSlot
		parent: root
		bone: torsoBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: bodyAttachment; setupParent: bodySlot }
	Attachment { id: bodyRedAttachment }
	Attachment { id: capeAttachment; setupParent: capeSlot }
	Attachment { id: capeSkinnedAttachment }
	Attachment { id: hitboxAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: defaultSkinBoxHitbox; parent: hitboxAttachment }
	PropertyChanges { target: defaultSkinCapeCape; parent: capeAttachment }
	PropertyChanges { target: defaultSkinCapeCapeSkinned; parent: capeSkinnedAttachment }
	},
	State {
		name: "RED"
	PropertyChanges { target: redBodyBodyRed; parent: bodyRedAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinBodyBody
			source: imageFolderAndDash + "body.png"
			parent: bodyAttachment
		}
			Item {
			id: defaultSkinBoxHitbox
			parent: hitboxAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 10, 0), Qt.point( 0, -10),  ] 
		}
			SpineMeshItem {
			id: defaultSkinCapeCape
			packed: false
			source: imageFolderAndDash + "cape.png"
			parent: capeAttachment
			uvs: [ 0, 0, 1, 0, 0, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 0, 10 ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinCapeCapeSkinned
			packed: false
			source: imageFolderAndDash + "cape skinned.png"
			parent: capeSkinnedAttachment
			uvs: [ 0, 0, 1, 1 ] 
			triangles: [ 0, 1, 0 ] 
			boneCounts: [ 1, 1 ] 
			bones: [ torsoBone, torsoBone ]
			boneVertices: [ 10, -20, 3, -4 ] 
			weights: [ 1, 1 ] 
		}
		}
	Item {
		id: red
	
		SpineImage {
			id: redBodyBodyRed
			source: imageFolderAndDash + "body red.png"
		}
		}
	}
	property alias adefaultSkinBody: defaultSkinBodyBody
	property alias aredBodyRed: redBodyBodyRed
	property alias idleAnimation: idle
	Item {
	ParallelAnimation {
		id: idle
	}
	}
	property alias walkAnimation: walk
	Item {
	ParallelAnimation {
		id: walk
		SequentialAnimation {
	ScriptAction { script: bodySlot.attach(bodyRedAttachment); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: bodySlot.attach(capeAttachment); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: bodySlot.attach(null); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: bodySlot.attach(null); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: bodySlot.attach(null); }
	PauseAnimation { duration: 250 }
	ScriptAction { script: bodySlot.attach(null); }
	}
		SequentialAnimation {
	PropertyAction { target: torsoBone; property: "dangle"; value: -10 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinCapeCape; property: "vertices"; value: [ 1, 1, 10, 0, 0, 10 ] }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinCapeCapeSkinned; property: "vertices"; value: [ 3, 3, 10, 20, 1, 1, 1, 3, 4, 1 ] }
		}
	}
	}
	}
