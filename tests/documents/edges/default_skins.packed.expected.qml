import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "default_skins_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: sSlot
		parent: root
		bone: rootBone
		setupAttachment: aAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: aAttachment; setupParent: sSlot }
	Attachment { id: boxAttachment }
	Attachment { id: mAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinSA; parent: aAttachment }
	PropertyChanges { target: defaultSkinSM; parent: mAttachment }
	},
	State {
		name: "DEFAULT SKIN"
	PropertyChanges { target: defaultSkinSA_2; parent: aAttachment }
	PropertyChanges { target: defaultSkinSBox; parent: boxAttachment }
	PropertyChanges { target: defaultSkinSM_2; parent: mAttachment }
	},
	State {
		name: "OTHER"
	PropertyChanges { target: otherSA; parent: aAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImagePacked {
			id: defaultSkinSA
			source: imageFolderAndDash + "a.png"
			parent: aAttachment
		}
			SpineMeshItem {
			id: defaultSkinSM
			packed: true
			source: imageFolderAndDash + "m.png"
			parent: mAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0 ] 
			vertices: [ 0, 0 ] 
		}
		}
	Item {
		id: defaultSkin_2
	
		SpineImagePacked {
			id: defaultSkinSA_2
			source: imageFolderAndDash + "own a.png"
			parent: aAttachment
		}
			Item {
			id: defaultSkinSBox
			parent: boxAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 2, -2),  ] 
		}
			SpineMeshItem {
			id: defaultSkinSM_2
			packed: true
			source: imageFolderAndDash + "m.png"
			parent: mAttachment
			uvs: [ 0, 0 ] 
			triangles: [ 0 ] 
			vertices: [ 1, 1 ] 
		}
		}
	Item {
		id: other
	
		SpineImagePacked {
			id: otherSA
			source: imageFolderAndDash + "other a.png"
		}
		}
	}
	property alias adefaultSkinA: defaultSkinSA_2
	property alias aotherA: otherSA
	property alias shiftAnimation: shift
	Item {
	ParallelAnimation {
		id: shift
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: sSlot.attach(mAttachment); }
	}
		SequentialAnimation {
	PropertyAction { target: defaultSkinSM; property: "vertices"; value: [ 0, 0 ] }
	PropertyAnimation { target: defaultSkinSM; property: "vertices"; from: [ 0, 0 ] ; to: [ 1, 1 ] ; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinSM_2; property: "vertices"; value: [ 1, 1 ] }
	PropertyAnimation { target: defaultSkinSM_2; property: "vertices"; from: [ 1, 1 ] ; to: [ 3, 3 ] ; duration: 1000 }
		}
	}
	}
	}
