import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "color_spellings_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: rgbaSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: rgbSlot
		parent: root
		bone: rootBone
		setupColor: "#80ff0000"
	}
	Slot {
		id: alphaSlot
		parent: root
		bone: rootBone
	}
	Slot {
		id: alphaSlot_2
		parent: root
		bone: rootBone
		setupColor: "#cc336699"
	}
	Slot {
		id: rgba2Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: rgb2Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: severalSlot
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
	property alias tintAnimation: tint
	Item {
	ParallelAnimation {
		id: tint
		SequentialAnimation {
	PropertyAction { target: alphaSlot; property: "color"; value: "#80336699" }
	ColorAnimation { target: alphaSlot; property: "color"; from: "#80336699"; to: "#ff336699"; duration: 1000; easing.bezierCurve: [ 0.25, 0, 0.75, 0.5, 1,1 ] }
	ColorAnimation { target: alphaSlot; property: "color"; from: "#ff336699"; to: "#ff336699"; duration: 1000 }
	ColorAnimation { target: alphaSlot; property: "color"; from: "#ff336699"; to: "#00336699"; duration: 1000 }
	ColorAnimation { target: alphaSlot; property: "color"; from: "#00336699"; to: "#40336699"; duration: 1000 }
	}
		SequentialAnimation {
	PropertyAction { target: rgbSlot; property: "color"; value: "#8000ff00" }
	ColorAnimation { target: rgbSlot; property: "color"; from: "#8000ff00"; to: "#800000ff"; duration: 1000; easing.bezierCurve: [ 0.5, 0.25, 0.5, 0.75, 1,1 ] }
	}
		SequentialAnimation {
	PropertyAction { target: rgb2Slot; property: "color"; value: "#ff102030" }
	ColorAnimation { target: rgb2Slot; property: "color"; from: "#ff102030"; to: "#ff405060"; duration: 500 }
	}
		SequentialAnimation {
	PropertyAction { target: rgbaSlot; property: "color"; value: "#00ff0000" }
	ColorAnimation { target: rgbaSlot; property: "color"; from: "#00ff0000"; to: "#ffffff00"; duration: 1000; easing.bezierCurve: [ 0.25, 0, 0.75, 1, 1,1 ] }
	PauseAnimation { duration: 1000 }
	PropertyAction { target: rgbaSlot; property: "color"; value: "#FFFFFF00" }
	}
		SequentialAnimation {
	PropertyAction { target: rgba2Slot; property: "color"; value: "#ffff0000" }
	ColorAnimation { target: rgba2Slot; property: "color"; from: "#ffff0000"; to: "#ff00ff00"; duration: 1000; easing.bezierCurve: [ 0.5, 0.25, 0.5, 0.75, 1,1 ] }
	}
		SequentialAnimation {
	PropertyAction { target: severalSlot; property: "color"; value: "#04010203" }
	}
	}
	}
	}
