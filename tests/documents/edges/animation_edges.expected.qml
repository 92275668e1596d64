import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "animation_edges_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias ahipBone : hipBone
	BoneTransform {
		id: hipBone
		parentBone: rootBone
	}
	property alias abBone : bBone
	BoneTransform {
		id: bBone
		parentBone: rootBone
	}
	property alias aanglesBone : anglesBone
	BoneTransform {
		id: anglesBone
		parentBone: rootBone
	}
	property alias aemptyBone : emptyBone
	BoneTransform {
		id: emptyBone
		parentBone: rootBone
	}
	property alias anullBone : nullBone
	BoneTransform {
		id: nullBone
		parentBone: rootBone
	}
	property alias aotherBone : otherBone
	BoneTransform {
		id: otherBone
		parentBone: rootBone
	}
	property alias atruncatedBone : truncatedBone
	BoneTransform {
		id: truncatedBone
		parentBone: rootBone
	}
	property alias athreeTenthsBone : threeTenthsBone
	BoneTransform {
		id: threeTenthsBone
		parentBone: rootBone
	}
	property alias ahugeBone : hugeBone
	BoneTransform {
		id: hugeBone
		parentBone: rootBone
	}
	property alias apastIntBone : pastIntBone
	BoneTransform {
		id: pastIntBone
		parentBone: rootBone
	}
	property alias ainfiniteBone : infiniteBone
	BoneTransform {
		id: infiniteBone
		parentBone: rootBone
	}
	Slot {
		id: eyeSlot
		parent: root
		bone: hipBone
		setupAttachment: eyeOpenAttachment
		setupColor: "#00000000"
	}
	Slot {
		id: mouthSlot
		parent: root
		bone: hipBone
	}
	Slot {
		id: lipsSlot
		parent: root
		bone: hipBone
	}
	Slot {
		id: faceSlot
		parent: root
		bone: hipBone
		setupAttachment: mouthAttachment
	}
	Slot {
		id: eyeSlot_2
		parent: root
		bone: bBone
		setupColor: "#ffff0000"
	}
	Slot {
		id: hairSlot
		parent: root
		bone: hipBone
	}
	Slot {
		id: armsSlot
		parent: root
		bone: hipBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: _Attachment }
	Attachment { id: eyeOpenAttachment; setupParent: eyeSlot }
	Attachment { id: handMeshAttachment }
	Attachment { id: mouthAttachment; setupParent: faceSlot }
	Attachment { id: zzAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinArmsHandMesh; parent: handMeshAttachment }
	PropertyChanges { target: defaultSkinEye; parent: _Attachment }
	PropertyChanges { target: defaultSkinEyeEyeOpen; parent: eyeOpenAttachment }
	PropertyChanges { target: defaultSkinFaceMouth; parent: mouthAttachment }
	PropertyChanges { target: defaultSkinFaceZz; parent: zzAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineMeshItem {
			id: defaultSkinArmsHandMesh
			packed: false
			source: imageFolderAndDash + "hand mesh.png"
			parent: handMeshAttachment
		}
			SpineImage {
			id: defaultSkinEye
			source: imageFolderAndDash + ".png"
			parent: _Attachment
		}
			SpineImage {
			id: defaultSkinEyeEyeOpen
			source: imageFolderAndDash + "eye open.png"
			parent: eyeOpenAttachment
		}
			SpineMeshItem {
			id: defaultSkinFaceMouth
			packed: false
			source: imageFolderAndDash + "mouth.png"
			parent: mouthAttachment
			vertices: [ 0, 0, 10, 0, 10, 10, 0, 10 ] 
		}
			SpineMeshItem {
			id: defaultSkinFaceZz
			packed: false
			source: imageFolderAndDash + "zz.png"
			parent: zzAttachment
			vertices: [ 1, 1 ] 
		}
		}
	}
	property alias adefaultSkin: defaultSkinEye
	property alias adefaultSkinEyeOpen: defaultSkinEyeEyeOpen
	property alias run_FastAnimation: run_Fast
	Item {
	ParallelAnimation {
		id: run_Fast
	}
	}
	property alias anglesAnimation: angles
	Item {
	ParallelAnimation {
		id: angles
		SequentialAnimation {
	PropertyAction { target: anglesBone; property: "dangle"; value: -90 }
	PropertyAction { target: anglesBone; property: "dangle"; value: -200 }
	PropertyAction { target: anglesBone; property: "dangle"; value: -160 }
	PropertyAction { target: anglesBone; property: "dangle"; value: -180 }
	PropertyAction { target: anglesBone; property: "dangle"; value: -180 }
	PropertyAction { target: anglesBone; property: "dangle"; value: -240 }
	PropertyAction { target: anglesBone; property: "dangle"; value: -120 }
		}
	}
	}
	property alias boneTimelinesAnimation: boneTimelines
	Item {
	ParallelAnimation {
		id: boneTimelines
		SequentialAnimation {
		}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dangle"; value: -30 }
	PropertyAction { target: hipBone; property: "dangle"; value: -200 }
	PropertyAnimation { target: hipBone; property: "dangle"; from: -200; to: -360; duration: 300 }
	PropertyAnimation { target: hipBone; property: "dangle"; from: -360; to: -360; duration: 100 }
	PropertyAnimation { target: hipBone; property: "dangle"; from: -360; to: -360; duration: 100; easing.bezierCurve: [ 1,1 ] }
	PropertyAnimation { target: hipBone; property: "dangle"; from: -360; to: -360; duration: 100; easing.bezierCurve: [ 1, 2, 3, 4, 5, 6, 7, 0, 1,1 ] }
		}
		SequentialAnimation {
	PauseAnimation { duration: 200 }
	PropertyAction { target: hipBone; property: "dxScale"; value: 1.5 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 200 }
	PropertyAction { target: hipBone; property: "dyScale"; value: 0 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 100 }
	PropertyAction { target: hipBone; property: "dx"; value: 1 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 100 }
	PropertyAction { target: hipBone; property: "dy"; value: 0 }
		}
		SequentialAnimation {
		}
	}
	}
	property alias deformAnimation: deform
	Item {
	ParallelAnimation {
		id: deform
		SequentialAnimation {
	PropertyAction { target: defaultSkinArmsHandMesh; property: "vertices"; value: [  ] }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: defaultSkinFaceMouth; property: "vertices"; value: [ 0, 0, 10, 0, 10, 10, 1, 12 ] }
	PauseAnimation { duration: 500 }
	PropertyAction { target: defaultSkinFaceMouth; property: "vertices"; value: [ 0, 0, 10, 0, 10, 10, 0, 10 ] }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinFaceZz; property: "vertices"; value: [ 1, 1 ] }
		}
	}
	}
	property alias durationsAnimation: durations
	Item {
	ParallelAnimation {
		id: durations
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: bBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: bBone; property: "dangle"; from: 0; to: 0; duration: 0 }
	PropertyAnimation { target: bBone; property: "dangle"; from: 0; to: 0; duration: 0 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 2147483647 }
	PropertyAction { target: hugeBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: hugeBone; property: "dangle"; from: 0; to: 0; duration: 0 }
		}
		SequentialAnimation {
	PropertyAnimation { target: infiniteBone; property: "dangle"; from: 0; to: 0; duration: 0 }
	PropertyAnimation { target: infiniteBone; property: "dangle"; from: 0; to: 0; duration: 2147483647 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 2147483647 }
	PropertyAction { target: pastIntBone; property: "dangle"; value: 0 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 300 }
	PropertyAction { target: threeTenthsBone; property: "dangle"; value: 0 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 34 }
	PropertyAction { target: truncatedBone; property: "dangle"; value: 0 }
		}
	}
	}
	property alias orderAnimation: order
	Item {
	ParallelAnimation {
		id: order
		SequentialAnimation {
	ScriptAction { script: eyeSlot.attach(eyeOpenAttachment); }
	}
		SequentialAnimation {
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinArmsHandMesh; property: "vertices"; value: [  ] }
		}
	}
	}
	property alias slotTimelinesAnimation: slotTimelines
	Item {
	ParallelAnimation {
		id: slotTimelines
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	ScriptAction { script: eyeSlot.attach(_Attachment); }
	}
		SequentialAnimation {
	PauseAnimation { duration: 100 }
	PropertyAction { target: eyeSlot; property: "color"; value: "#ffffffff" }
	}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: lipsSlot; property: "color"; value: "#00ff00ff" }
	ColorAnimation { target: lipsSlot; property: "color"; from: "#00ff00ff"; to: "#ffffffff"; duration: 250; easing.bezierCurve: [ 1, 2, 3, 4, 1,1 ] }
	}
		SequentialAnimation {
	PropertyAction { target: mouthSlot; property: "color"; value: "#ffffffff" }
	PropertyAction { target: mouthSlot; property: "color"; value: "#ffffffff" }
	PropertyAction { target: mouthSlot; property: "color"; value: "#c0a0b0c0" }
	}
	}
	}
	}
