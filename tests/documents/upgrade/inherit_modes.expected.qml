import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "inherit_modes_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias anormalBone : normalBone
	BoneTransform {
		id: normalBone
		parentBone: rootBone
	}
	property alias anormalKeptFlagsBone : normalKeptFlagsBone
	BoneTransform {
		id: normalKeptFlagsBone
		parentBone: rootBone
		inheritScale: true
		inheritRotation: false
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
	}
	property alias abothSpellingsBone : bothSpellingsBone
	BoneTransform {
		id: bothSpellingsBone
		parentBone: rootBone
		inheritScale: false
	}
	property alias aunknownBone : unknownBone
	BoneTransform {
		id: unknownBone
		parentBone: rootBone
	}
	property alias anotATextBone : notATextBone
	BoneTransform {
		id: notATextBone
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
