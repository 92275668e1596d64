import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "not_upgraded_images"
	property url imageFolderAndDash: imageFolder + "/"
	signal spineEvent(string name, int intValue, real floatValue, string stringValue, string audioPath, real volume, real balance)

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: rootBone
		setupAttachment: meshAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: boxAttachment }
	Attachment { id: meshAttachment; setupParent: bodySlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBox; parent: boxAttachment }
	PropertyChanges { target: defaultSkinBodyMesh; parent: meshAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		Item {
			id: defaultSkinBodyBox
			parent: boxAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 5, -5),  ] 
		}
			SpineMeshItem {
			id: defaultSkinBodyMesh
			packed: false
			source: imageFolderAndDash + "mesh.png"
			parent: meshAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0, 0, 0 ] 
			vertices: [ 0, 0, 1, 1, 2, 2 ] 
		}
		}
	}
	property alias idleAnimation: idle
	Item {
	ParallelAnimation {
		id: idle
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dxScale"; value: 1 }
	PropertyAnimation { target: rootBone; property: "dxScale"; from: 1; to: 2; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dyScale"; value: 1 }
	PropertyAnimation { target: rootBone; property: "dyScale"; from: 1; to: 2; duration: 1000 }
		}
		SequentialAnimation {
	ScriptAction { script: { bodySlot.z = 0; } }
		}
		SequentialAnimation {
	ScriptAction { script: root.spineEvent("e", 0, 0, "", "", 1, 0); }
		}
	}
	}
	}
