import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "lone_surrogate_names_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias alone_HighBone : lone_HighBone
	BoneTransform {
		id: lone_HighBone
		parentBone: rootBone
	}
	property alias a_LowBone : _LowBone
	BoneTransform {
		id: _LowBone
		parentBone: _Bone
	}
	Slot {
		id: __PairSlot
		parent: root
		bone: lone_HighBone
	}
	Slot {
		id: s_Slot
		parent: root
		bone: _Bone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: _Attachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinS__; parent: _Attachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinS__
			source: imageFolderAndDash + "?.png"
			parent: _Attachment
		}
		}
	}
	property alias adefaultSkin_: defaultSkinS__
	property alias walk_Animation: walk_
	Item {
	ParallelAnimation {
		id: walk_
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: s_Slot.attach(x_Attachment); }
	}
		SequentialAnimation {
	PropertyAction { target: _Bone; property: "dangle"; value: -5 }
		}
	}
	}
	}
