import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "slot_folders_42beta_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias arainBone : rainBone
	BoneTransform {
		id: rainBone
		parentBone: rootBone
		inheritRotation: false
	}
	Slot {
		id: rain_greenSlot
		parent: root
		bone: rainBone
		setupAttachment: dropAttachment
		setupColor: "#ff00ff00"
	}
	Slot {
		id: farSlot
		parent: root
		bone: rootBone
		setupAttachment: cloudAttachment
	}
	Slot {
		id: plainSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: cloudAttachment; setupParent: farSlot }
	Attachment { id: dropAttachment; setupParent: rain_greenSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinFarCloud; parent: cloudAttachment }
	PropertyChanges { target: defaultSkinRain_greenDrop; parent: dropAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinFarCloud
			source: imageFolderAndDash + "cloud.png"
			parent: cloudAttachment
		}
			SpineImage {
			id: defaultSkinRain_greenDrop
			source: imageFolderAndDash + "drop.png"
			parent: dropAttachment
			width: 4
			height: 8
		}
		}
	}
	property alias adefaultSkinCloud: defaultSkinFarCloud
	property alias adefaultSkinDrop: defaultSkinRain_greenDrop
	property alias fallAnimation: fall
	Item {
	ParallelAnimation {
		id: fall
		SequentialAnimation {
	PropertyAction { target: rain_greenSlot; property: "color"; value: "#ff00ff00" }
	ColorAnimation { target: rain_greenSlot; property: "color"; from: "#ff00ff00"; to: "#0000ff00"; duration: 1000 }
	}
		SequentialAnimation {
	PauseAnimation { duration: 1000 }
	PropertyAction { target: rainBone; property: "dy"; value: 100 }
		}
	}
	}
	}
