import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "linked_source_43_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: rootBone
		setupAttachment: baseAttachment
	}
	Slot {
		id: capeSlot
		parent: root
		bone: rootBone
		setupAttachment: copyAttachment
	}
	Slot {
		id: hatSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: baseAttachment; setupParent: bodySlot }
	Attachment { id: chainedAttachment }
	Attachment { id: copyAttachment; setupParent: capeSlot }
	Attachment { id: decoyAttachment }
	Attachment { id: hatAttachment }
	Attachment { id: sameSlotAttachment }
	Attachment { id: sourceWinsAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBase; parent: baseAttachment }
	PropertyChanges { target: defaultSkinBodyDecoy; parent: decoyAttachment }
	PropertyChanges { target: defaultSkinBodySameSlot; parent: sameSlotAttachment }
	PropertyChanges { target: defaultSkinCapeChained; parent: chainedAttachment }
	PropertyChanges { target: defaultSkinCapeCopy; parent: copyAttachment }
	PropertyChanges { target: defaultSkinCapeSourceWins; parent: sourceWinsAttachment }
	},
	State {
		name: "HERO"
	PropertyChanges { target: heroHatHat; parent: hatAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinBodyBase
			packed: false
			source: imageFolderAndDash + "base.png"
			parent: baseAttachment
			width: 10
			height: 10
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
		}
			SpineMeshItem {
			id: defaultSkinBodyDecoy
			packed: false
			source: imageFolderAndDash + "decoy.png"
			parent: decoyAttachment
			width: 99
			height: 99
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 99, 0, 99, 99 ] 
		}
			SpineMeshItem {
			id: defaultSkinBodySameSlot
			packed: false
			source: imageFolderAndDash + "same slot.png"
			parent: sameSlotAttachment
			width: 12
			height: 12
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
		}
			SpineMeshItem {
			id: defaultSkinCapeChained
			packed: false
			source: imageFolderAndDash + "chain image.png"
			parent: chainedAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
		}
			SpineMeshItem {
			id: defaultSkinCapeCopy
			packed: false
			source: imageFolderAndDash + "copy.png"
			parent: copyAttachment
			width: 20
			height: 30
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
		}
			SpineMeshItem {
			id: defaultSkinCapeSourceWins
			packed: false
			source: imageFolderAndDash + "source wins.png"
			parent: sourceWinsAttachment
			uvs: [ 0, 0, 1, 0, 1, 1 ] 
			triangles: [ 0, 1, 2 ] 
			vertices: [ 0, 0, 10, 0, 10, 10 ] 
		}
		}
	Item {
		id: hero
	
		SpineMeshItem {
			id: heroHatHat
			packed: false
			source: imageFolderAndDash + "hero/hat.png"
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
	PropertyAction { target: defaultSkinBodyBase; property: "vertices"; value: [ 1, 1, 10, 0, 10, 10 ] }
	PropertyAnimation { target: defaultSkinBodyBase; property: "vertices"; from: [ 1, 1, 10, 0, 10, 10 ] ; to: [ 0, 0, 14, -4, 10, 10 ] ; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinBodySameSlot; property: "vertices"; value: [ 1, 1, 10, 0, 10, 10 ] }
	PropertyAnimation { target: defaultSkinBodySameSlot; property: "vertices"; from: [ 1, 1, 10, 0, 10, 10 ] ; to: [ 0, 0, 14, -4, 10, 10 ] ; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinCapeCopy; property: "vertices"; value: [ 1, 1, 10, 0, 10, 10 ] }
	PropertyAnimation { target: defaultSkinCapeCopy; property: "vertices"; from: [ 1, 1, 10, 0, 10, 10 ] ; to: [ 0, 0, 14, -4, 10, 10 ] ; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinCapeSourceWins; property: "vertices"; value: [ 1, 1, 10, 0, 10, 10 ] }
	PropertyAnimation { target: defaultSkinCapeSourceWins; property: "vertices"; from: [ 1, 1, 10, 0, 10, 10 ] ; to: [ 0, 0, 14, -4, 10, 10 ] ; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: heroHatHat; property: "vertices"; value: [ 1, 1, 10, 0, 10, 10 ] }
	PropertyAnimation { target: heroHatHat; property: "vertices"; from: [ 1, 1, 10, 0, 10, 10 ] ; to: [ 0, 0, 14, -4, 10, 10 ] ; duration: 1000 }
		}
	}
	}
	}
