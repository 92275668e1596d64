import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "curves_4x_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
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
	property alias curvesAnimation: curves
	Item {
	ParallelAnimation {
		id: curves
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dx"; value: 0 }
	PropertyAnimation { target: rootBone; property: "dx"; from: 0; to: 8; duration: 500; easing.bezierCurve: [ 0.5, 0, 1, 0.5, 1,1 ] }
	PropertyAnimation { target: rootBone; property: "dx"; from: 8; to: 8; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dx"; from: 8; to: 16; duration: 0 }
	PropertyAnimation { target: rootBone; property: "dx"; from: 16; to: 24; duration: 1000; easing.bezierCurve: [ 0, 0, -1, 1, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dy"; value: 0 }
	PropertyAnimation { target: rootBone; property: "dy"; from: 0; to: 0; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dy"; from: 0; to: 0; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dy"; from: 0; to: -16; duration: 0 }
	PropertyAnimation { target: rootBone; property: "dy"; from: -16; to: -32; duration: 1000; easing.bezierCurve: [ 0.5, 0, 0.75, 1, 1,1 ] }
		}
	}
	}
	}
