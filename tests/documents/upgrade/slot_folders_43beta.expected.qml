import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "slot_folders_43beta_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias arainBone : rainBone
	BoneTransform {
		id: rainBone
		parentBone: rootBone
	}
	Slot {
		id: rain_rain_greenSlot
		parent: root
		bone: rainBone
		setupAttachment: dropAttachment
		setupColor: "#ff00ff00"
	}
	Slot {
		id: sky_clouds_farSlot
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
	
	Attachment { id: cloudAttachment; setupParent: sky_clouds_farSlot }
	Attachment { id: dropAttachment; setupParent: rain_rain_greenSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinRain_rain_greenDrop; parent: dropAttachment }
	PropertyChanges { target: defaultSkinSky_clouds_farCloud; parent: cloudAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinRain_rain_greenDrop
			source: imageFolderAndDash + "drop.png"
			parent: dropAttachment
			width: 4
			height: 8
		}
			SpineImage {
			id: defaultSkinSky_clouds_farCloud
			source: imageFolderAndDash + "cloud.png"
			parent: cloudAttachment
		}
		}
	}
	property alias adefaultSkinCloud: defaultSkinSky_clouds_farCloud
	property alias adefaultSkinDrop: defaultSkinRain_rain_greenDrop
	property alias fallAnimation: fall
	Item {
	ParallelAnimation {
		id: fall
		SequentialAnimation {
	PropertyAction { target: rain_rain_greenSlot; property: "color"; value: "#ff00ff00" }
	ColorAnimation { target: rain_rain_greenSlot; property: "color"; from: "#ff00ff00"; to: "#0000ff00"; duration: 1000 }
	}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: sky_clouds_farSlot.attach(null); }
	}
		SequentialAnimation {
	PauseAnimation { duration: 1000 }
	PropertyAction { target: rainBone; property: "dy"; value: 100 }
		}
	}
	}
	}
