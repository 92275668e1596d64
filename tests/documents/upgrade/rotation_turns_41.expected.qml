import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "rotation_turns_41_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	property alias awheelBone : wheelBone
	BoneTransform {
		id: wheelBone
		parentBone: rootBone
	}
	property alias afarBone : farBone
	BoneTransform {
		id: farBone
		parentBone: rootBone
	}
	property alias amixedBone : mixedBone
	BoneTransform {
		id: mixedBone
		parentBone: rootBone
	}
	property alias aolderBone : olderBone
	BoneTransform {
		id: olderBone
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
	property alias spinAnimation: spin
	Item {
	ParallelAnimation {
		id: spin
		SequentialAnimation {
	PropertyAction { target: farBone; property: "dangle"; value: -40 }
	PropertyAnimation { target: farBone; property: "dangle"; from: -40; to: -140; duration: 1000 }
	PropertyAnimation { target: farBone; property: "dangle"; from: -140; to: 660; duration: 1000; easing.bezierCurve: [ 0.25, 0.0625, 0.75, 0.025, 1,1 ] }
		}
		SequentialAnimation {
	PropertyAction { target: mixedBone; property: "dangle"; value: -110 }
	PropertyAnimation { target: mixedBone; property: "dangle"; from: -110; to: -560; duration: 1000 }
	PropertyAnimation { target: mixedBone; property: "dangle"; from: -560; to: -360; duration: 1000 }
		}
		SequentialAnimation {
	PropertyAction { target: olderBone; property: "dangle"; value: -170 }
	PropertyAnimation { target: olderBone; property: "dangle"; from: -170; to: -190; duration: 1000 }
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
