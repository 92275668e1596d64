import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "slot_folders_42_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: rain_rain_greenSlot
		parent: root
		bone: rootBone
		setupAttachment: dropAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: dropAttachment; setupParent: rain_rain_greenSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinRain_rain_greenDrop; parent: dropAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImagePacked {
			id: defaultSkinRain_rain_greenDrop
			source: imageFolderAndDash + "drop.png"
			parent: dropAttachment
		}
		}
	}
	property alias adefaultSkinDrop: defaultSkinRain_rain_greenDrop
	}
