import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "linked_and_dropped_41_images"
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
	Slot {
		id: clipSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: frownAttachment }
	Attachment { id: grinAttachment }
	Attachment { id: mouthAttachment; setupParent: faceSlot }
	Attachment { id: smileAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "ALT"
	PropertyChanges { target: altFaceGrin; parent: grinAttachment }
	},
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinFaceFrown; parent: frownAttachment }
	PropertyChanges { target: defaultSkinFaceMouth; parent: mouthAttachment }
	PropertyChanges { target: defaultSkinFaceSmile; parent: smileAttachment }
	}
	]
	Item {
		id: alt
	
		SpineMeshItem {
			id: altFaceGrin
			packed: true
			source: imageFolderAndDash + "grin.png"
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 8, 0, 8, 8 ] 
		}
		}
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinFaceFrown
			packed: true
			source: imageFolderAndDash + "frown.png"
			parent: frownAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 8, 0, 8, 8 ] 
		}
			SpineMeshItem {
			id: defaultSkinFaceMouth
			packed: true
			source: imageFolderAndDash + "mouth.png"
			parent: mouthAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 8, 0, 8, 8 ] 
		}
			SpineMeshItem {
			id: defaultSkinFaceSmile
			packed: true
			source: imageFolderAndDash + "smile.png"
			parent: smileAttachment
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
	PauseAnimation { duration: 500 }
	ScriptAction { script: clipSlot.attach(null); }
	}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: faceSlot.attach(null); }
	PauseAnimation { duration: 500 }
	ScriptAction { script: faceSlot.attach(smileAttachment); }
	ScriptAction { script: faceSlot.attach(null); }
	PauseAnimation { duration: 2000 }
	ScriptAction { script: faceSlot.attach(frownAttachment); }
	}
		SequentialAnimation {
	PropertyAction { target: altFaceGrin; property: "vertices"; value: [ 0, 0, 8, 0, 8, 8 ] }
	PropertyAnimation { target: altFaceGrin; property: "vertices"; from: [ 0, 0, 8, 0, 8, 8 ] ; to: [ 0, 0, 12, -4, 8, 8 ] ; duration: 500 }
	PropertyAnimation { target: altFaceGrin; property: "vertices"; from: [ 0, 0, 12, -4, 8, 8 ] ; to: [ 0, 0, 8, 0, 8, 8 ] ; duration: 500; easing.bezierCurve: [ 0.25, 0.25, 0.75, 0.75, 1,1 ] }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: defaultSkinFaceFrown; property: "vertices"; value: [ 1, 1, 8, 0, 8, 8 ] }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinFaceMouth; property: "vertices"; value: [ 0, 0, 8, 0, 8, 8 ] }
	PropertyAnimation { target: defaultSkinFaceMouth; property: "vertices"; from: [ 0, 0, 8, 0, 8, 8 ] ; to: [ 0, 0, 12, -4, 8, 8 ] ; duration: 500 }
	PropertyAnimation { target: defaultSkinFaceMouth; property: "vertices"; from: [ 0, 0, 12, -4, 8, 8 ] ; to: [ 0, 0, 8, 0, 8, 8 ] ; duration: 500; easing.bezierCurve: [ 0.25, 0.25, 0.75, 0.75, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinFaceSmile; property: "vertices"; value: [ 0, 0, 8, 0, 8, 8 ] }
	PropertyAnimation { target: defaultSkinFaceSmile; property: "vertices"; from: [ 0, 0, 8, 0, 8, 8 ] ; to: [ 0, 0, 12, -4, 8, 8 ] ; duration: 500 }
	PropertyAnimation { target: defaultSkinFaceSmile; property: "vertices"; from: [ 0, 0, 12, -4, 8, 8 ] ; to: [ 0, 0, 8, 0, 8, 8 ] ; duration: 500; easing.bezierCurve: [ 0.25, 0.25, 0.75, 0.75, 1,1 ] }
		}
	}
	}
	}
