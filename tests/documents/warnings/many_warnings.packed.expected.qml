import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "many_warnings_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: s001Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s002Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s003Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s004Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s005Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s006Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s007Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s008Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s009Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s010Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s011Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s012Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s013Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s014Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s015Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s016Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s017Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s018Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s019Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s020Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s021Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s022Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s023Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s024Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s025Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s026Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s027Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s028Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s029Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s030Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s031Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s032Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s033Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s034Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s035Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s036Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s037Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s038Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s039Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s040Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s041Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s042Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s043Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s044Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s045Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s046Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s047Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s048Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s049Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s050Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s051Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s052Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s053Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s054Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s055Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s056Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s057Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s058Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s059Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s060Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s061Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s062Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s063Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s064Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s065Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s066Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s067Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s068Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s069Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s070Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s071Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s072Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s073Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s074Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s075Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s076Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s077Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s078Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s079Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s080Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s081Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s082Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s083Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s084Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s085Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s086Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s087Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s088Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s089Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s090Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s091Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s092Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s093Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s094Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s095Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s096Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s097Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s098Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s099Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s100Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s101Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s102Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s103Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s104Slot
		parent: root
		bone: rootBone
	}
	Slot {
		id: s105Slot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	}
	property Item skins: Item {
	visible: false
	
	}
	}
