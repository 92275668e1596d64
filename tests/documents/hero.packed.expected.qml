import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "hero_images"
	property url imageFolderAndDash: imageFolder + "/"
	signal spineEvent(string name, int intValue, real floatValue, string stringValue, string audioPath, real volume, real balance)

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias ahipBone : hipBone
	BoneTransform {
		id: hipBone
		parentBone: rootBone
		y: -120
		length: 20
	}
	property alias atorsoBone : torsoBone
	BoneTransform {
		id: torsoBone
		parentBone: hipBone
		x: 2.5
		angle: -90
		length: 85
	}
	property alias aheadBone : headBone
	BoneTransform {
		id: headBone
		parentBone: torsoBone
		x: 85
		angle: 5.25
		inheritScale: false
		length: 60
	}
	property alias aleftUpperArmBone : leftUpperArmBone
	BoneTransform {
		id: leftUpperArmBone
		parentBone: torsoBone
		x: 70
		y: -10
		angle: -160
		length: 40
	}
	property alias aleftLowerArmBone : leftLowerArmBone
	BoneTransform {
		id: leftLowerArmBone
		parentBone: leftUpperArmBone
		x: 40
		angle: -15
		inheritRotation: false
		length: 35
	}
	property alias aleftThighBone : leftThighBone
	BoneTransform {
		id: leftThighBone
		parentBone: hipBone
		x: -10
		xScale: 1.05
		angle: 95
		length: 55
	}
	property alias aleftShinBone : leftShinBone
	BoneTransform {
		id: leftShinBone
		parentBone: leftThighBone
		x: 55
		yScale: 0.95
		length: 50
	}
	property alias aleftFootTargetBone : leftFootTargetBone
	BoneTransform {
		id: leftFootTargetBone
		parentBone: rootBone
		x: -12
		y: -8
	}
	property alias agazeTargetBone : gazeTargetBone
	BoneTransform {
		id: gazeTargetBone
		parentBone: rootBone
		x: 40
		y: -200
	}
	IKJoint {
		id: leftLegJoint
		target: leftFootTargetBone
		first: leftThighBone
		second: leftShinBone
		bendPositive: false
		mix: 0.85
	}
	IKJoint {
		id: gazeJoint
		target: gazeTargetBone
		first: headBone
		mix: 1
	}
	Slot {
		id: bodySlot
		parent: root
		bone: torsoBone
		setupAttachment: bodyAttachment
	}
	Slot {
		id: headSlot
		parent: root
		bone: headBone
		setupAttachment: headAttachment
		setupColor: "#ffffe0d0"
	}
	Slot {
		id: leftArmSlot
		parent: root
		bone: leftUpperArmBone
		setupAttachment: leftArmAttachment
	}
	Slot {
		id: leftLegSlot
		parent: root
		bone: leftThighBone
		setupAttachment: leftLegAttachment
	}
	Slot {
		id: eyeSlot
		parent: root
		bone: headBone
		setupAttachment: eyeOpenAttachment
		setupColor: "#ffffffff"
	}
	Slot {
		id: hitboxSlot
		parent: root
		bone: torsoBone
		setupAttachment: hitboxAttachment
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: bodyAttachment; setupParent: bodySlot }
	Attachment { id: eyeClosedAttachment }
	Attachment { id: eyeOpenAttachment; setupParent: eyeSlot }
	Attachment { id: headAttachment; setupParent: headSlot }
	Attachment { id: hitboxAttachment; setupParent: hitboxSlot }
	Attachment { id: leftArmAttachment; setupParent: leftArmSlot }
	Attachment { id: leftLegAttachment; setupParent: leftLegSlot }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: defaultSkinEyeEyeClosed; parent: eyeClosedAttachment }
	PropertyChanges { target: defaultSkinEyeEyeOpen; parent: eyeOpenAttachment }
	PropertyChanges { target: defaultSkinHeadHead; parent: headAttachment }
	PropertyChanges { target: defaultSkinHitboxHitbox; parent: hitboxAttachment }
	PropertyChanges { target: defaultSkinLeftArmLeftArm; parent: leftArmAttachment }
	PropertyChanges { target: defaultSkinLeftLegLeftLeg; parent: leftLegAttachment }
	},
	State {
		name: "GOBLIN"
	PropertyChanges { target: goblinBodyBody; parent: bodyAttachment }
	PropertyChanges { target: goblinHeadHead; parent: headAttachment }
	}
	]
	Item {
		id: defaultSkin
	
		SpineImagePacked {
			id: defaultSkinBodyBody
			source: imageFolderAndDash + "body.png"
			parent: bodyAttachment
			trans.x: 40.5
			trans.y: 2
			rot.angle: 90
			width: 64
			height: 110
		}
			SpineImagePacked {
			id: defaultSkinEyeEyeClosed
			source: imageFolderAndDash + "eyes/closed.png"
			parent: eyeClosedAttachment
			trans.x: 20
			trans.y: -10
			width: 12
			height: 3
		}
			SpineImagePacked {
			id: defaultSkinEyeEyeOpen
			source: imageFolderAndDash + "eye open.png"
			parent: eyeOpenAttachment
			trans.x: 20
			trans.y: -10
			width: 12
			height: 8
		}
			SpineMeshItem {
			id: defaultSkinHeadHead
			packed: true
			source: imageFolderAndDash + "head.png"
			parent: headAttachment
			width: 60
			height: 60
			uvs: [ 0, 0, 1, 0, 1, 1, 0, 1 ] 
			triangles: [ 0, 1, 2, 0, 2, 3 ] 
			vertices: [ -30, -30, 30, -30, 30, 30, -30, 30 ] 
			edges: [ 0, 2, 2, 4, 4, 6, 6, 0 ] 
		}
			Item {
			id: defaultSkinHitboxHitbox
			parent: hitboxAttachment
			property var vertices: [ Qt.point( -30, 10), Qt.point( 30, 10), Qt.point( 30, -100), Qt.point( -30, -100),  ] 
		}
			SpineSkinnedMeshItem {
			id: defaultSkinLeftArmLeftArm
			packed: true
			source: imageFolderAndDash + "left arm.png"
			parent: leftArmAttachment
			width: 16
			height: 75
			uvs: [ 0, 0, 1, 0, 1, 1, 0, 1 ] 
			triangles: [ 0, 1, 2, 0, 2, 3 ] 
			boneCounts: [ 1, 2, 2, 1 ] 
			bones: [ leftUpperArmBone, leftUpperArmBone, leftLowerArmBone, leftUpperArmBone, leftLowerArmBone, leftUpperArmBone ]
			boneVertices: [ 0, 8, 30, 8, 5, 8, 30, -8, 5, -8, 0, -8 ] 
			weights: [ 1, 0.6, 0.4, 0.5, 0.5, 1 ] 
		}
			SpineImagePacked {
			id: defaultSkinLeftLegLeftLeg
			source: imageFolderAndDash + "left leg.png"
			parent: leftLegAttachment
			trans.x: 50
			scale.xScale: 1
			scale.yScale: 1
			rot.angle: -90
			width: 30
			height: 100
		}
		}
	Item {
		id: goblin
	
		SpineImagePacked {
			id: goblinBodyBody
			source: imageFolderAndDash + "goblin/body.png"
			trans.x: 40
			rot.angle: 90
			width: 70
			height: 115
		}
			SpineImagePacked {
			id: goblinHeadHead
			source: imageFolderAndDash + "goblin/head.png"
			trans.x: 25
			trans.y: -3.5
			width: 70
			height: 66
		}
		}
	}
	property alias adefaultSkinBody: defaultSkinBodyBody
	property alias adefaultSkinEyeClosed: defaultSkinEyeEyeClosed
	property alias adefaultSkinEyeOpen: defaultSkinEyeEyeOpen
	property alias adefaultSkinLeftLeg: defaultSkinLeftLegLeftLeg
	property alias agoblinBody: goblinBodyBody
	property alias agoblinHead: goblinHeadHead
	property alias hurtAnimation: hurt
	Item {
	ParallelAnimation {
		id: hurt
		SequentialAnimation {
	PauseAnimation { duration: 100 }
	ScriptAction { script: eyeSlot.attach(null); }
	PauseAnimation { duration: 400 }
	ScriptAction { script: eyeSlot.attach(eyeOpenAttachment); }
	}
		SequentialAnimation {
	PauseAnimation { duration: 100 }
	PropertyAction { target: headSlot; property: "color"; value: "#ffff3030" }
	PauseAnimation { duration: 200 }
	PropertyAction { target: headSlot; property: "color"; value: "#ffffe0d0" }
	}
		SequentialAnimation {
	PropertyAction { target: headBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: headBone; property: "dangle"; from: 0; to: 160; duration: 150 }
	PropertyAnimation { target: headBone; property: "dangle"; from: 160; to: 0; duration: 350 }
		}
		SequentialAnimation {
	PropertyAction { target: defaultSkinHeadHead; property: "vertices"; value: [ -30, -30, 30, -30, 30, 30, -30, 30 ] }
	PropertyAnimation { target: defaultSkinHeadHead; property: "vertices"; from: [ -30, -30, 30, -30, 30, 30, -30, 30 ] ; to: [ -30, -30, 34, -33, 34, 33, -30, 30 ] ; duration: 150 }
	PropertyAnimation { target: defaultSkinHeadHead; property: "vertices"; from: [ -30, -30, 34, -33, 34, 33, -30, 30 ] ; to: [ -30, -30, 30, -30, 30, 30, -30, 30 ] ; duration: 350; easing.bezierCurve: [ 0.5, 0, 0.5, 1, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: leftLegJoint; property: "mix"; value: 0.85 }
	PropertyAnimation { target: leftLegJoint; property: "mix"; from: 0.85; to: 0; duration: 150 }
	PauseAnimation { duration: 350 }
	PropertyAction { target: leftLegJoint; property: "mix"; value: 0.85 }
		}
	}
	}
	property alias walkAnimation: walk
	Item {
	ParallelAnimation {
		id: walk
		SequentialAnimation {
	ScriptAction { script: eyeSlot.attach(eyeOpenAttachment); }
	PauseAnimation { duration: 600 }
	ScriptAction { script: eyeSlot.attach(eyeClosedAttachment); }
	PauseAnimation { duration: 100 }
	ScriptAction { script: eyeSlot.attach(eyeOpenAttachment); }
	}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dx"; value: 0 }
	PropertyAnimation { target: hipBone; property: "dx"; from: 0; to: 0; duration: 400; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
	PropertyAnimation { target: hipBone; property: "dx"; from: 0; to: 0; duration: 400 }
		}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dy"; value: 0 }
	PropertyAnimation { target: hipBone; property: "dy"; from: 0; to: -6.5; duration: 400; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
	PropertyAnimation { target: hipBone; property: "dy"; from: -6.5; to: 0; duration: 400 }
		}
		SequentialAnimation {
	PropertyAction { target: leftThighBone; property: "dangle"; value: -20 }
	PropertyAnimation { target: leftThighBone; property: "dangle"; from: -20; to: 25; duration: 400 }
	PropertyAnimation { target: leftThighBone; property: "dangle"; from: 25; to: -20; duration: 400; easing.bezierCurve: [ 0.4, 0, 0.6, 1, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: torsoBone; property: "dxScale"; value: 1 }
	PropertyAnimation { target: torsoBone; property: "dxScale"; from: 1; to: 1.02; duration: 400 }
	PropertyAnimation { target: torsoBone; property: "dxScale"; from: 1.02; to: 1; duration: 400 }
		}
		SequentialAnimation {
	PropertyAction { target: torsoBone; property: "dyScale"; value: 1 }
	PropertyAnimation { target: torsoBone; property: "dyScale"; from: 1; to: 0.98; duration: 400 }
	PropertyAnimation { target: torsoBone; property: "dyScale"; from: 0.98; to: 1; duration: 400 }
		}
		SequentialAnimation {
	ScriptAction { script: { bodySlot.z = 0; headSlot.z = 1; leftArmSlot.z = 2; leftLegSlot.z = 3; eyeSlot.z = 4; hitboxSlot.z = 5; } }
	PauseAnimation { duration: 400 }
	ScriptAction { script: { leftArmSlot.z = 0; bodySlot.z = 1; headSlot.z = 2; leftLegSlot.z = 3; eyeSlot.z = 4; hitboxSlot.z = 5; } }
	PauseAnimation { duration: 400 }
	ScriptAction { script: { bodySlot.z = 0; headSlot.z = 1; leftArmSlot.z = 2; leftLegSlot.z = 3; eyeSlot.z = 4; hitboxSlot.z = 5; } }
		}
		SequentialAnimation {
	ScriptAction { script: root.spineEvent("footstep", 0, 0, "left", "sounds/step.ogg", 0.8, 0); }
	PauseAnimation { duration: 400 }
	ScriptAction { script: root.spineEvent("footstep", 0, 0, "right", "sounds/step.ogg", 0.8, 0); }
		}
	}
	}
	}
