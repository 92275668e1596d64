import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "ik_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias athighBone : thighBone
	BoneTransform {
		id: thighBone
		parentBone: rootBone
		length: 40
	}
	property alias ashinBone : shinBone
	BoneTransform {
		id: shinBone
		parentBone: thighBone
		x: 40
		length: 40
	}
	property alias atargetBone : targetBone
	BoneTransform {
		id: targetBone
		parentBone: rootBone
		x: 60
	}
	IKJoint {
		id: legJoint
		target: targetBone
		first: thighBone
		second: shinBone
	}
	IKJoint {
		id: armJoint
		target: targetBone
		first: shinBone
		bendPositive: false
		mix: 0.5
	}
	IKJoint {
		id: oddJoint
		target: targetBone
		first: shinBone
		bendPositive: false
		mix: 0
	}
	IKJoint {
		id: legJoint_2
		target: rootBone
		first: shinBone
		bendPositive: false
		mix: 0
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	property alias bendAnimation: bend
	Item {
	ParallelAnimation {
		id: bend
		SequentialAnimation {
	PropertyAction { target: armJoint; property: "mix"; value: 1 }
	PropertyAnimation { target: armJoint; property: "mix"; from: 1; to: 1; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: armJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 1000 }
	PropertyAction { target: armJoint; property: "bendPositive"; value: true }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: legJoint; property: "mix"; value: 1 }
	PropertyAnimation { target: legJoint; property: "mix"; from: 1; to: 0.5; duration: 250; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
	PropertyAnimation { target: legJoint; property: "mix"; from: 0.5; to: 1; duration: 500 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: false }
	PauseAnimation { duration: 250 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 500 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: false }
		}
	}
	}
	property alias namesNothingAnimation: namesNothing
	Item {
	ParallelAnimation {
		id: namesNothing
	}
	}
	property alias setupDefaultsAnimation: setupDefaults
	Item {
	ParallelAnimation {
		id: setupDefaults
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: armJoint; property: "mix"; value: 1 }
	PauseAnimation { duration: 500 }
	PropertyAction { target: armJoint; property: "mix"; value: 0.5 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: armJoint; property: "bendPositive"; value: false }
	PauseAnimation { duration: 500 }
	PropertyAction { target: armJoint; property: "bendPositive"; value: true }
		}
		SequentialAnimation {
	PropertyAction { target: legJoint; property: "mix"; value: 0.25 }
	PropertyAnimation { target: legJoint; property: "mix"; from: 0.25; to: 1; duration: 500 }
	PropertyAnimation { target: legJoint; property: "mix"; from: 1; to: 0; duration: 500 }
		}
	}
	}
	property alias timesAnimation: times
	Item {
	ParallelAnimation {
		id: times
		SequentialAnimation {
	PauseAnimation { duration: 33 }
	PropertyAction { target: legJoint; property: "mix"; value: 0 }
	PropertyAnimation { target: legJoint; property: "mix"; from: 0; to: 1; duration: 34 }
	PropertyAnimation { target: legJoint; property: "mix"; from: 1; to: 0.5; duration: 0 }
	PropertyAnimation { target: legJoint; property: "mix"; from: 0.5; to: 1; duration: 450 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 33 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: false }
	PauseAnimation { duration: 34 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 0 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: true }
	PauseAnimation { duration: 450 }
	PropertyAction { target: legJoint; property: "bendPositive"; value: true }
		}
	}
	}
	property alias valuesOfOtherKindsAnimation: valuesOfOtherKinds
	Item {
	ParallelAnimation {
		id: valuesOfOtherKinds
		SequentialAnimation {
	PropertyAction { target: oddJoint; property: "mix"; value: 0 }
	PropertyAnimation { target: oddJoint; property: "mix"; from: 0; to: 0; duration: 500 }
		}
	}
	}
	}
