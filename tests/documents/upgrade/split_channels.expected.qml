import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "split_channels_images"
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
	property alias aarmBone : armBone
	BoneTransform {
		id: armBone
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
	property alias stepAnimation: step
	Item {
	ParallelAnimation {
		id: step
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dangle"; value: -45 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: armBone; property: "dyScale"; value: 1 }
	PropertyAnimation { target: armBone; property: "dyScale"; from: 1; to: 0.5; duration: 500 }
		}
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dx"; value: 1 }
	PropertyAnimation { target: armBone; property: "dx"; from: 1; to: 3; duration: 2000 }
		}
		SequentialAnimation {
	PropertyAction { target: armBone; property: "dy"; value: -1 }
	PropertyAnimation { target: armBone; property: "dy"; from: -1; to: -5; duration: 2000 }
		}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dxScale"; value: 1 }
	PropertyAnimation { target: hipBone; property: "dxScale"; from: 1; to: 3; duration: 500 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 250 }
	PropertyAction { target: hipBone; property: "dx"; value: 0 }
	PropertyAnimation { target: hipBone; property: "dx"; from: 0; to: -4; duration: 500 }
	PauseAnimation { duration: 250 }
	PropertyAction { target: hipBone; property: "dx"; value: 4 }
		}
		SequentialAnimation {
	PropertyAction { target: hipBone; property: "dy"; value: -2 }
	PropertyAnimation { target: hipBone; property: "dy"; from: -2; to: -10; duration: 1000; easing.bezierCurve: [ 0.25, 0, 0.75, 0.5, 1,1 ] }
		}
	}
	}
	}
