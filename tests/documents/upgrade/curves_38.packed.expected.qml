import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "curves_38_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: bodySlot
		parent: root
		bone: rootBone
		setupColor: "#80ffffff"
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
	property alias easeAnimation: ease
	Item {
	ParallelAnimation {
		id: ease
		SequentialAnimation {
	PropertyAction { target: bodySlot; property: "color"; value: "#ffff0000" }
	ColorAnimation { target: bodySlot; property: "color"; from: "#ffff0000"; to: "#ff00ff00"; duration: 1000; easing.bezierCurve: [ 0.375, 0.25, 0.625, 0.75, 1,1 ] }
	}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dangle"; value: -5 }
	PropertyAnimation { target: rootBone; property: "dangle"; from: -5; to: -5; duration: 500; easing.bezierCurve: [ 0.25, 0.125, 0.75, 1, 1,1 ] }
	PropertyAnimation { target: rootBone; property: "dangle"; from: -5; to: 0; duration: 500; easing.bezierCurve: [ 0.5, 0, 1, 1, 1,1 ] }
	PauseAnimation { duration: 1000 }
	PropertyAction { target: rootBone; property: "dangle"; value: 0 }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dx"; value: 1 }
	PropertyAnimation { target: rootBone; property: "dx"; from: 1; to: 2; duration: 1000; easing.bezierCurve: [ 0, 0, 1, 0.5, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: rootBone; property: "dy"; value: 0 }
	PropertyAnimation { target: rootBone; property: "dy"; from: 0; to: -3; duration: 1000; easing.bezierCurve: [ 0, 0, 1, 0.5, 1,1 ] }
		}
	}
	}
	}
