import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "deform_every_attachment_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: faceSlot
		parent: root
		bone: rootBone
		setupAttachment: mouthClosedAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: mouthClosedAttachment; setupParent: faceSlot }
	Attachment { id: mouthOpenAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinFaceMouthClosed; parent: mouthClosedAttachment }
	PropertyChanges { target: defaultSkinFaceMouthOpen; parent: mouthOpenAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinFaceMouthClosed
			packed: true
			source: imageFolderAndDash + "mouth closed.png"
			parent: mouthClosedAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 8, 0, 8, 4 ] 
		}
			SpineMeshItem {
			id: defaultSkinFaceMouthOpen
			packed: true
			source: imageFolderAndDash + "mouth open.png"
			parent: mouthOpenAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 8, 0, 8, 8 ] 
		}
		}
	}
	property alias talkAnimation: talk
	Item {
	ParallelAnimation {
		id: talk
		SequentialAnimation {
	ScriptAction { script: faceSlot.attach(mouthClosedAttachment); }
	PauseAnimation { duration: 500 }
	ScriptAction { script: faceSlot.attach(mouthOpenAttachment); }
	}
		SequentialAnimation {
	PropertyAction { target: defaultSkinFaceMouthClosed; property: "vertices"; value: [ 0, 0, 8, 0, 8, 4 ] }
	PropertyAnimation { target: defaultSkinFaceMouthClosed; property: "vertices"; from: [ 0, 0, 8, 0, 8, 4 ] ; to: [ 0, 0, 7, 1, 8, 4 ] ; duration: 500 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: defaultSkinFaceMouthOpen; property: "vertices"; value: [ 0, 0, 8, 0, 8, 8 ] }
	PropertyAnimation { target: defaultSkinFaceMouthOpen; property: "vertices"; from: [ 0, 0, 8, 0, 8, 8 ] ; to: [ 0, 0, 8, 0, 10, 10 ] ; duration: 500 }
		}
	}
	}
	}
