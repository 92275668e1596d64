import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "scale_defaults_35_images"
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
	PropertyAnimation { target: rootBone; property: "dxScale"; from: 2; to: 0; duration: 500; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 9, 9, 9, 9, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dyScale"; value: 0 }
	PropertyAnimation { target: rootBone; property: "dyScale"; from: 0; to: 2; duration: 500 }
	PropertyAnimation { target: rootBone; property: "dyScale"; from: 2; to: 0; duration: 500; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 9, 9, 9, 9, 1,1 ] }
		}
	}
	}
	}
