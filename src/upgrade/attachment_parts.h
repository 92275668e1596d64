#pragma once

#include "upgrade_parts.h"

// One attachment of one skin while the skins are upgraded.
struct SkinAttachment {
    AttachmentPath path;
    QJsonObject object;
    enum State { Kept, Dropped, LinkedPending, LinkedInProgress } state = Kept;
};

// "skin \"K\", slot \"S\", attachment \"A\"": how a warning names it.
QString describe(const AttachmentPath &path);

// A region, mesh or bounding box in its 2.x type, or dropped; a linked mesh
// is left pending for resolveLinkedMeshes.
void upgradeAttachment(SkinAttachment &attachment, CarryOverReport &lost,
                       Diagnostics &diagnostics);

// The image name a `sequence` gives: path (else name, else the key) and the
// setup frame's number, padded with zeros.
void applySequence(QJsonObject &object, const QJsonObject &source, const QString &key,
                   CarryOverReport &lost, Diagnostics &diagnostics, const AttachmentPath &where);

// Every pending linked mesh becomes a copy of its parent's geometry or is
// dropped; the kept ones that follow their parent's deform timelines are
// listed, parents before the meshes linked to them.
void resolveLinkedMeshes(QVector<SkinAttachment> &attachments, UpgradeContext &context,
                         CarryOverReport &lost, Diagnostics &diagnostics);
