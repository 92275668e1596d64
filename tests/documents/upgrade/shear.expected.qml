import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "shear_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias atailBone : tailBone
	BoneTransform {
		id: tailBone
		parentBone: rootBone
		angle: -30
	}
	property alias abothBone : bothBone
	BoneTransform {
		id: bothBone
		parentBone: rootBone
	}
	property alias azeroBone : zeroBone
	BoneTransform {
		id: zeroBone
		parentBone: rootBone
	}
	property alias aplainBone : plainBone
	BoneTransform {
		id: plainBone
		parentBone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	}
