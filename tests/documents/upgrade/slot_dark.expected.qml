import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "slot_dark_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: tintedSlot
		parent: root
		bone: rootBone
		setupColor: "#c0ff8000"
	}
	Slot {
		id: darkOnlySlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: plainSlot
		parent: root
		bone: rootBone
		setupColor: "#ffffffff"
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	}
