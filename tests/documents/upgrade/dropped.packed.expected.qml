import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "dropped_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: maskSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: markerSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: railSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: hitboxSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: mixedSlot
		parent: root
		bone: rootBone
		setupAttachment: sharedAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: flatBoxAttachment }
	Attachment { id: sharedAttachment; setupParent: mixedSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinHitboxFlatBox; parent: flatBoxAttachment }
	},
	State {
		name: "OTHER"
	PropertyChanges { target: otherMixedShared; parent: sharedAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		Item {
			id: defaultSkinHitboxFlatBox
			parent: flatBoxAttachment
			property var vertices: [ Qt.point( 0, 0), Qt.point( 5, -5),  ] 
		}
		}
	Item {
		id: other
	
		SpineImagePacked {
			id: otherMixedShared
			source: imageFolderAndDash + "shared.png"
			width: 4
			height: 4
		}
		}
	}
	property alias aotherShared: otherMixedShared
	}
