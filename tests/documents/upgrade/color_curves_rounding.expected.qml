import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "color_curves_rounding_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: tintSlot
		parent: root
		bone: rootBone
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
	property alias fadeAnimation: fade
	Item {
	ParallelAnimation {
		id: fade
		SequentialAnimation {
	PropertyAction { target: tintSlot; property: "color"; value: "#ff000000" }
	ColorAnimation { target: tintSlot; property: "color"; from: "#ff000000"; to: "#ff4d1a33"; duration: 1000; easing.bezierCurve: [ 0.25, 0.3, 0.75, 0.7, 1,1 ] }
	}
	}
	}
	}
