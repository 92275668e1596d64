import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "transform_modes_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias aonlyTranslationBone : onlyTranslationBone
	BoneTransform {
		id: onlyTranslationBone
		parentBone: rootBone
		inheritScale: false
		inheritRotation: false
	}
	property alias anoRotationBone : noRotationBone
	BoneTransform {
		id: noRotationBone
		parentBone: rootBone
		inheritRotation: false
	}
	property alias anoScaleBone : noScaleBone
	BoneTransform {
		id: noScaleBone
		parentBone: rootBone
		inheritScale: false
	}
	property alias anoScaleOrReflectionBone : noScaleOrReflectionBone
	BoneTransform {
		id: noScaleOrReflectionBone
		parentBone: rootBone
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
