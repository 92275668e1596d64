import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "rotate_value_images"
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
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: "DEFAULT"
	}
	]
	Item {
		id: defaultSkin
	
	}
	}
	property alias swingAnimation: swing
	Item {
	ParallelAnimation {
		id: swing
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dangle"; value: -10 }
	PropertyAnimation { target: hipBone; property: "dangle"; from: -10; to: -50; duration: 500; easing.bezierCurve: [ 0.5, 0, 0.75, 0.5, 1,1 ] }
	PauseAnimation { duration: 500 }
	PropertyAction { target: hipBone; property: "dangle"; value: 150 }
	PropertyAnimation { target: hipBone; property: "dangle"; from: 150; to: -7; duration: 1000 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 1000 }
	PropertyAction { target: rootBone; property: "dangle"; value: 0 }
		}
	}
	}
	}
