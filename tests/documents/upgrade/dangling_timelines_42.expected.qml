import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "dangling_timelines_42_images"
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
	Item {
		id: attachments
		visible: false
	
	Attachment { id: bodyAttachment; setupParent: bodySlot }
	Attachment { id: capeAttachment; setupParent: capeSlot }
	Attachment { id: hoodAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: defaultSkinCapeCape; parent: capeAttachment }
	PropertyChanges { target: defaultSkinCapeHood; parent: hoodAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinBodyBody
			source: imageFolderAndDash + "body.png"
			parent: bodyAttachment
			width: 10
			height: 10
		}
			SpineMeshItem {
			id: defaultSkinCapeCape
			packed: false
			source: imageFolderAndDash + "cape.png"
			parent: capeAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 8, 0, 8, 8 ] 
		}
			Item {
			id: defaultSkinCapeHood
			parent: hoodAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 8, 0), Qt.point( 8, -8),  ] 
		}
		}
	}
	property alias adefaultSkinBody: defaultSkinBodyBody
	property alias walkAnimation: walk
	Item {
	ParallelAnimation {
		id: walk
		SequentialAnimation {
	ScriptAction { script: bodySlot.attach(capeAttachment); }
	PauseAnimation { duration: 500 }
	ScriptAction { script: bodySlot.attach(null); }
	PauseAnimation { duration: 500 }
	ScriptAction { script: bodySlot.attach(null); }
	}
		SequentialAnimation {
	PropertyAction { target: torsoBone; property: "dangle"; value: -10 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinCapeCape; property: "vertices"; value: [ 1, 1, 8, 0, 8, 8 ] }
		}
	}
	}
	}
