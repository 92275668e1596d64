import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "deform_34_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: faceSlot
		parent: root
		bone: rootBone
		setupAttachment: mouthAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: mouthAttachment; setupParent: faceSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinFaceMouth; parent: mouthAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinFaceMouth
			packed: false
			source: imageFolderAndDash + "mouth.png"
			parent: mouthAttachment
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
	PropertyAction { target: defaultSkinFaceMouth; property: "vertices"; value: [ 0, 0, 8, 0, 8, 8 ] }
	PropertyAnimation { target: defaultSkinFaceMouth; property: "vertices"; from: [ 0, 0, 8, 0, 8, 8 ] ; to: [ 4, -4, 8, 0, 8, 8 ] ; duration: 500 }
	PropertyAnimation { target: defaultSkinFaceMouth; property: "vertices"; from: [ 4, -4, 8, 0, 8, 8 ] ; to: [ 0, 0, 8, 0, 8, 8 ] ; duration: 500; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
		}
		SequentialAnimation {
	ScriptAction { script: { faceSlot.z = 0; } }
		}
	}
	}
	}
