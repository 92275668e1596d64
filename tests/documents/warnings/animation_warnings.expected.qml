import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "animation_warnings_images"
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
	property alias aheadBone : headBone
	BoneTransform {
		id: headBone
		parentBone: torsoBone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: torsoBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: torsoBone
		setupAttachment: bodyAttachment
	}
	Slot {
		id: faceSlot
		parent: root
		bone: headBone
		setupAttachment: smileAttachment
	}
	Slot {
		id: boxSlot
		parent: root
		bone: armBone
		setupAttachment: hitboxAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: bodyAttachment; setupParent: bodySlot }
	Attachment { id: frownAttachment }
	Attachment { id: hitboxAttachment; setupParent: boxSlot }
	Attachment { id: meshAttachment }
	Attachment { id: smileAttachment; setupParent: faceSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: defaultSkinBoxHitbox; parent: hitboxAttachment }
	PropertyChanges { target: defaultSkinFaceFrown; parent: frownAttachment }
	PropertyChanges { target: defaultSkinFaceSmile; parent: smileAttachment }
	},
	State {
		name: "RED"
	PropertyChanges { target: redFaceMesh; parent: meshAttachment }
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
			SpineImage {
			id: defaultSkinFaceFrown
			source: imageFolderAndDash + "frown.png"
			parent: frownAttachment
		}
			SpineImage {
			id: defaultSkinFaceSmile
			source: imageFolderAndDash + "smile.png"
			parent: smileAttachment
		}
		}
	Item {
		id: red
	
		SpineMeshItem {
			id: redFaceMesh
			packed: false
			source: imageFolderAndDash + "mesh.png"
			uvs: [ 0, 0, 1, 0, 0, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 0, 10 ] 
		}
		}
	}
	property alias adefaultSkinBody: defaultSkinBodyBody
	property alias adefaultSkinFrown: defaultSkinFaceFrown
	property alias adefaultSkinSmile: defaultSkinFaceSmile
	property alias runAnimation: run
	Item {
	ParallelAnimation {
		id: run
	}
	}
	property alias walkAnimation: walk
	Item {
	ParallelAnimation {
		id: walk
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: faceSlot.attach(frownAttachment); }
	PauseAnimation { duration: 0 }
	ScriptAction { script: faceSlot.attach(bodyAttachment); }
	PauseAnimation { duration: 800 }
	ScriptAction { script: faceSlot.attach(null); }
	}
		SequentialAnimation {
	PropertyAction { target: faceSlot; property: "color"; value: "#ffffffff" }
	ColorAnimation { target: faceSlot; property: "color"; from: "#ffffffff"; to: "#ffffffff"; duration: 500 }
	ColorAnimation { target: faceSlot; property: "color"; from: "#ffffffff"; to: "#ffffffff"; duration: 100 }
	PropertyAction { target: faceSlot; property: "color"; value: "#ffff0000" }
	ColorAnimation { target: faceSlot; property: "color"; from: "#ffff0000"; to: "#ff00ff00"; duration: 900; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
	}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: headBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: headBone; property: "dangle"; from: 0; to: -5; duration: 0 }
	PropertyAnimation { target: headBone; property: "dangle"; from: -5; to: 0; duration: 0 }
		}
		SequentialAnimation {
		}
		SequentialAnimation {
		}
		SequentialAnimation {
	PauseAnimation { duration: 200 }
	PropertyAction { target: headBone; property: "dx"; value: 1 }
	PauseAnimation { duration: 200 }
	PropertyAction { target: headBone; property: "dx"; value: 2 }
	PropertyAnimation { target: headBone; property: "dx"; from: 2; to: 0; duration: 200 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 200 }
	PropertyAction { target: headBone; property: "dy"; value: 0 }
	PauseAnimation { duration: 200 }
	PropertyAction { target: headBone; property: "dy"; value: 0 }
	PropertyAnimation { target: headBone; property: "dy"; from: 0; to: 0; duration: 200 }
		}
		SequentialAnimation {
	PropertyAction { target: redFaceMesh; property: "vertices"; value: [ 1, 1, 10, 0, 0, 10 ] }
	PropertyAnimation { target: redFaceMesh; property: "vertices"; from: [ 1, 1, 10, 0, 0, 10 ] ; to: [ 1, 0, 10, 0, 0, 10 ] ; duration: 500 }
	PropertyAnimation { target: redFaceMesh; property: "vertices"; from: [ 1, 0, 10, 0, 0, 10 ] ; to: [ 0, 0, 10, 0, 0, 10 ] ; duration: 0 }
		}
	}
	}
	}
