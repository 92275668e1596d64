import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "vertices_edges_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: sSlot
		parent: root
		bone: rootBone
		setupAttachment: mAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: boxAttachment }
	Attachment { id: mAttachment; setupParent: sSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinSBox; parent: boxAttachment }
	PropertyChanges { target: defaultSkinSM; parent: mAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		Item {
			id: defaultSkinSBox
			parent: boxAttachment
			property var vertices: [ Qt.point( 0, -0.5), Qt.point( 1, -1e+06), Qt.point( -2, -1),  ] 
		}
			SpineMeshItem {
			id: defaultSkinSM
			packed: false
			source: imageFolderAndDash + "m.png"
			parent: mAttachment
			vertices: [ 0, 0.5, -3, 1e+06, 3.5, 0, 1, 0, 0, 0, 0 ] 
		}
		}
	}
	property alias aAnimation: a
	Item {
	ParallelAnimation {
		id: a
		SequentialAnimation {
	PropertyAction { target: defaultSkinSM; property: "vertices"; value: [ 0, 2, -3, 1e+06, 3.5, 0, 1, 0, 0, 0, 0 ] }
		}
	}
	}
	}
