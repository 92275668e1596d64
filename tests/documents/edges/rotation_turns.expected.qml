import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "rotation_turns_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias ashortBone : shortBone
	BoneTransform {
		id: shortBone
		parentBone: rootBone
	}
	property alias afarBone : farBone
	BoneTransform {
		id: farBone
		parentBone: rootBone
	}
	property alias awheelBone : wheelBone
	BoneTransform {
		id: wheelBone
		parentBone: rootBone
	}
	property alias abackBone : backBone
	BoneTransform {
		id: backBone
		parentBone: rootBone
	}
	property alias acalmBone : calmBone
	BoneTransform {
		id: calmBone
		parentBone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	property alias turnsAnimation: turns
	Item {
	ParallelAnimation {
		id: turns
		SequentialAnimation {
	PropertyAction { target: backBone; property: "dangle"; value: 90 }
	PropertyAnimation { target: backBone; property: "dangle"; from: 90; to: 260; duration: 500 }
	PauseAnimation { duration: 500 }
	PropertyAction { target: backBone; property: "dangle"; value: 100 }
	PropertyAnimation { target: backBone; property: "dangle"; from: 100; to: -80; duration: 1000; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: calmBone; property: "dangle"; value: 179 }
	PropertyAnimation { target: calmBone; property: "dangle"; from: 179; to: 0; duration: 1000 }
	PropertyAnimation { target: calmBone; property: "dangle"; from: 0; to: -179; duration: 1000 }
	PropertyAnimation { target: calmBone; property: "dangle"; from: -179; to: -180; duration: 1000 }
		}
		SequentialAnimation {
	PauseAnimation { duration: 500 }
	PropertyAction { target: farBone; property: "dangle"; value: 20 }
	PropertyAnimation { target: farBone; property: "dangle"; from: 20; to: -100; duration: 500 }
	PropertyAnimation { target: farBone; property: "dangle"; from: -100; to: 0; duration: 500 }
	PropertyAnimation { target: farBone; property: "dangle"; from: 0; to: -10; duration: 500 }
		}
		SequentialAnimation {
	PropertyAction { target: shortBone; property: "dangle"; value: -170 }
	PropertyAnimation { target: shortBone; property: "dangle"; from: -170; to: -190; duration: 1000 }
	PropertyAnimation { target: shortBone; property: "dangle"; from: -190; to: -170; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: wheelBone; property: "dangle"; value: 0 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: 0; to: -120; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -120; to: -240; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -240; to: -360; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -360; to: -480; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -480; to: -600; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -600; to: -720; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -720; to: -840; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -840; to: -960; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -960; to: -1080; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -1080; to: -1200; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -1200; to: -1320; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -1320; to: -1440; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -1440; to: -1560; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -1560; to: -1680; duration: 250 }
	PropertyAnimation { target: wheelBone; property: "dangle"; from: -1680; to: -1800; duration: 250 }
		}
	}
	}
	}
