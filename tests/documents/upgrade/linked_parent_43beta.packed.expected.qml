import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "linked_parent_43beta_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: rootBone
		setupAttachment: copyAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: baseAttachment }
	Attachment { id: copyAttachment; setupParent: bodySlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBase; parent: baseAttachment }
	PropertyChanges { target: defaultSkinBodyCopy; parent: copyAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinBodyBase
			packed: true
			source: imageFolderAndDash + "base.png"
			parent: baseAttachment
			width: 10
			height: 10
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
		}
			SpineMeshItem {
			id: defaultSkinBodyCopy
			packed: true
			source: imageFolderAndDash + "copy.png"
			parent: copyAttachment
			width: 20
			height: 30
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
		}
		}
	}
	property alias flapAnimation: flap
	Item {
	ParallelAnimation {
		id: flap
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: defaultSkinBodyBase; property: "vertices"; value: [ 1, 1, 10, 0, 10, 10 ] }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: defaultSkinBodyCopy; property: "vertices"; value: [ 1, 1, 10, 0, 10, 10 ] }
		}
	}
	}
	}
