import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "version_44_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: rootBone
	}
	IKJoint {
		id: reachJoint
		target: rootBone
		first: armBone
	}
	Slot {
		id: rain_dropSlot
		parent: root
		bone: rootBone
		setupAttachment: dropAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: dropAttachment; setupParent: rain_dropSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinRain_dropDrop; parent: dropAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinRain_dropDrop
			source: imageFolderAndDash + "drop.png"
			parent: dropAttachment
			width: 4
			height: 4
		}
		}
	}
	property alias adefaultSkinDrop: defaultSkinRain_dropDrop
	}
