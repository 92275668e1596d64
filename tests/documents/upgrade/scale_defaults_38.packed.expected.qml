import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "scale_defaults_38_images"
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
	
	}
	property alias growAnimation: grow
	Item {
	ParallelAnimation {
		id: grow
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dxScale"; value: 1 }
	PropertyAnimation { target: rootBone; property: "dxScale"; from: 1; to: 2; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dxScale"; from: 2; to: 1; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dxScale"; from: 1; to: 1; duration: 1000; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dyScale"; value: 1 }
	PropertyAnimation { target: rootBone; property: "dyScale"; from: 1; to: 1; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dyScale"; from: 1; to: 0.5; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dyScale"; from: 0.5; to: 1; duration: 1000; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dx"; value: 4 }
	PropertyAnimation { target: rootBone; property: "dx"; from: 4; to: 0; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dy"; value: 0 }
	PropertyAnimation { target: rootBone; property: "dy"; from: 0; to: -8; duration: 1000 }
		}
	}
	}
	}
