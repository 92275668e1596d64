import QtQuick 2.0
import Quillon 2.0

SpineSkeleton {
	id: root
	imageFolder: "skins_array_images"
	property url imageFolderAndDash: imageFolder + "/"

	property alias arootBone : rootBone
	BoneTransform {
		id: rootBone
	}
	Slot {
		id: headSlot
		parent: root
		bone: rootBone
		setupAttachment: headAttachment
	}
	Slot {
		id: hatSlot
		parent: root
		bone: rootBone
	}
	Item {
		id: attachments
		visible: false
	
	Attachment { id: capAttachment }
	Attachment { id: headAttachment; setupParent: headSlot }
	Attachment { id: zetaHeadAttachment }
	}
	property Item skins: Item {
	visible: false
	
	states: [
	State {
		name: ""
	PropertyChanges { target: hatCap; parent: capAttachment }
	},
	State {
		name: "BARE"
	},
	State {
		name: "DEFAULT"
	PropertyChanges { target: defaultSkinHeadHead; parent: headAttachment }
	},
	State {
		name: "ODD"
	},
	State {
		name: "ZETA"
	PropertyChanges { target: zetaHeadZetaHead; parent: zetaHeadAttachment }
	}
	]
	Item {
		id: _
	
		SpineImage {
			id: hatCap
			source: imageFolderAndDash + "cap.png"
		}
		}
	Item {
		id: bare
	
	}
	Item {
		id: defaultSkin
	
		SpineImage {
			id: defaultSkinHeadHead
			source: imageFolderAndDash + "head.png"
			parent: headAttachment
			trans.x: 2
			width: 16
			height: 16
		}
		}
	Item {
		id: odd
	
	}
	Item {
		id: zeta
	
		SpineImage {
			id: zetaHeadZetaHead
			source: imageFolderAndDash + "zeta head.png"
			width: 8
			height: 8
		}
		}
	}
	property alias acap: hatCap
	property alias adefaultSkinHead: defaultSkinHeadHead
	property alias azetaZetaHead: zetaHeadZetaHead
	}
