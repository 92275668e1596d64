import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "no_rotation_35_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
		parentBone: rootBone
		inheritRotation: false
	}
	property alias ahandBone : handBone
	BoneTransform {
		id: handBone
		parentBone: armBone
		inheritScale: false
		inheritRotation: false
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	}
