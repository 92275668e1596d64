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
		parentBone: lone_HighBone
	}
	property alias a_Bone : _Bone
	BoneTransform {
		id: _Bone
		parentBone: rootBone
	}
	property alias a_Bone_2 : _Bone_2
	BoneTransform {
		id: _Bone_2
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
		bone: _LowBone
		setupAttachment: aAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: aAttachment; setupParent: s_Slot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinS_A; parent: aAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinS_A
			source: imageFolderAndDash + "a.png"
			parent: aAttachment
		}
		}
	}
	property alias adefaultSkinA: defaultSkinS_A
	property alias walk_Animation: walk_
	Item {
	ParallelAnimation {
		id: walk_
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	ScriptAction { script: s_Slot.attach(null); }
	}
		SequentialAnimation {
	PropertyAction { target: _Bone_2; property: "dangle"; value: -5 }
		}
	}
	}
	}
