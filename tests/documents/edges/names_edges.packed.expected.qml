import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "names_edges_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias a_Bone : _Bone
	BoneTransform {
		id: _Bone
	}
	property alias a_2ndBone : _2ndBone
	BoneTransform {
		id: _2ndBone
		parentBone: rootBone
	}
	Slot {
		id: sSlot
		parent: root
		bone: rootBone
		setupAttachment: eye_left_Attachment
		setupColor: "#FFFF0000"
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: cjkAttachment }
	Attachment { id: controlsAttachment }
	Attachment { id: eye_left_Attachment; setupParent: sSlot }
	Attachment { id: quotedAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "GOBLIN"
	PropertyChanges { target: goblinSCjk; parent: cjkAttachment }
	PropertyChanges { target: goblinSControls; parent: controlsAttachment }
	PropertyChanges { target: goblinSEye_left_; parent: eye_left_Attachment }
	PropertyChanges { target: goblinSQuoted; parent: quotedAttachment }
	}
	]
	Item {
		id: goblin
	
		SpineImagePacked {
			id: goblinSCjk
			source: imageFolderAndDash + "骨骼.png"
		}
			SpineImagePacked {
			id: goblinSControls
			source: imageFolderAndDash + "a\n\r\t\u001bb.png"
		}
			SpineImagePacked {
			id: goblinSEye_left_
			source: imageFolderAndDash + "eye (left).png"
		}
			SpineImagePacked {
			id: goblinSQuoted
			source: imageFolderAndDash + "say \"hi\" c:\\art\\x.png"
		}
		}
	}
	property alias agoblinCjk: goblinSCjk
	property alias agoblinControls: goblinSControls
	property alias agoblinEye_left_: goblinSEye_left_
	property alias agoblinQuoted: goblinSQuoted
	property alias _Animation: _
	Item {
	ParallelAnimation {
		id: _
	}
	}
	property alias xAnimation: x
	Item {
	ParallelAnimation {
		id: x
	}
	}
	property alias _forAnimation: _for
	Item {
	ParallelAnimation {
		id: _for
	}
	}
	property alias _2ndArmAnimation: _2ndArm
	Item {
	ParallelAnimation {
		id: _2ndArm
	}
	}
	property alias animationWalk_2Animation: animationWalk_2
	Item {
	ParallelAnimation {
		id: animationWalk_2
	}
	}
	property alias bigHeadAnimation: bigHead
	Item {
	ParallelAnimation {
		id: bigHead
	}
	}
	property alias hipAnimation: hip
	Item {
	ParallelAnimation {
		id: hip
	}
	}
	property alias l_leg_upper_2Animation: l_leg_upper_2
	Item {
	ParallelAnimation {
		id: l_leg_upper_2
	}
	}
	property alias _xAnimation: _x
	Item {
	ParallelAnimation {
		id: _x
	}
	}
	property alias aBAnimation: aB
	Item {
	ParallelAnimation {
		id: aB
	}
	}
	property alias aSSbAnimation: aSSb
	Item {
	ParallelAnimation {
		id: aSSb
	}
	}
	property alias a___bAnimation: a___b
	Item {
	ParallelAnimation {
		id: a___b
	}
	}
	property alias a_b__Animation: a_b__
	Item {
	ParallelAnimation {
		id: a_b__
	}
	}
	property alias _attachmentsAnimation: _attachments
	Item {
	ParallelAnimation {
		id: _attachments
	}
	}
	property alias a骨骼Animation: a骨骼
	Item {
	ParallelAnimation {
		id: a骨骼
	}
	}
	property alias a__Animation: a__
	Item {
	ParallelAnimation {
		id: a__
	}
	}
	property alias _defaultAnimation: _default
	Item {
	ParallelAnimation {
		id: _default
	}
	}
	property alias e_Animation: e_
	Item {
	ParallelAnimation {
		id: e_
	}
	}
	property alias _imageFolderAnimation: _imageFolder
	Item {
	ParallelAnimation {
		id: _imageFolder
	}
	}
	property alias leftArmAnimation: leftArm
	Item {
	ParallelAnimation {
		id: leftArm
	}
	}
	property alias _nullAnimation: _null
	Item {
	ParallelAnimation {
		id: _null
	}
	}
	property alias _printAnimation: _print
	Item {
	ParallelAnimation {
		id: _print
	}
	}
	property alias _rootAnimation: _root
	Item {
	ParallelAnimation {
		id: _root
	}
	}
	property alias _thisAnimation: _this
	Item {
	ParallelAnimation {
		id: _this
	}
	}
	property alias x_Animation: x_
	Item {
	ParallelAnimation {
		id: x_
	}
	}
	property alias émileAnimation: émile
	Item {
	ParallelAnimation {
		id: émile
	}
	}
	property alias _骨骼BoneAnimation: _骨骼Bone
	Item {
	ParallelAnimation {
		id: _骨骼Bone
	}
	}
	}
