#include "attachment_parts.h"

#include <QHash>

namespace {

QLatin1String key(const char *text) { return QLatin1String(text); }

// 4.3 names the parent by "source", which may sit in another slot, named
// by "slot"; older files and the 4.3 betas name it by "parent".
AttachmentPath parentPath(const SkinAttachment &linked, CarryOverReport &lost)
{
    const QJsonObject &object = linked.object;
    const QString skin = object.contains(key("skin")) ? object.value(key("skin")).toString()
                                                       : QStringLiteral("default");
    const QString slot = object.contains(key("slot")) ? object.value(key("slot")).toString()
                                                       : linked.path.slot;
    return {skin, slot, firstSpelling(object, {"source", "parent"}, lost).toString()};
}

QString notFound(const SkinAttachment &linked, const AttachmentPath &parent)
{
    QString text = QStringLiteral("its parent \"%1\" is not in skin \"%2\"")
                           .arg(parent.attachment, parent.skin);
    if (parent.slot != linked.path.slot)
        text += QStringLiteral(", slot \"%1\"").arg(parent.slot);
    return text;
}

// Deform timelines follow the parent unless the flag, in whichever of its
// spellings comes first, is false.
bool followsParentDeform(const QJsonObject &linked, CarryOverReport &lost)
{
    const QJsonValue flag = firstSpelling(linked, {"ffd", "deform", "timelines"}, lost);
    return !(flag.isBool() && !flag.toBool());
}

bool isMeshType(const QJsonObject &object)
{
    const QString type = object.value(key("type")).toString();
    return type == QLatin1String("mesh") || type == QLatin1String("skinnedmesh");
}

QJsonObject linkedCopy(const QJsonObject &parent, const SkinAttachment &linked,
                       CarryOverReport &lost, Diagnostics &diagnostics)
{
    QJsonObject copy;
    copy.insert(key("type"), parent.value(key("type")));
    for (const char *geometry : {"uvs", "triangles", "vertices", "hull", "edges"}) {
        if (parent.contains(key(geometry)))
            copy.insert(key(geometry), parent.value(key(geometry)));
    }
    for (const char *own : {"name", "path", "width", "height"}) {
        if (linked.object.contains(key(own)))
            copy.insert(key(own), linked.object.value(key(own)));
    }
    applySequence(copy, linked.object, linked.path.attachment, lost, diagnostics, linked.path);
    return copy;
}

void dropLinked(SkinAttachment &linked, const QString &why, Diagnostics &diagnostics)
{
    linked.state = SkinAttachment::Dropped;
    diagnostics.warn(QStringLiteral("%1: linked mesh dropped: %2").arg(describe(linked.path), why));
}

class LinkedMeshResolver
{
public:
    LinkedMeshResolver(QVector<SkinAttachment> &attachments, UpgradeContext &context,
                       CarryOverReport &lost, Diagnostics &diagnostics)
        : m_attachments(attachments), m_context(context), m_lost(lost), m_diagnostics(diagnostics)
    {
        for (int i = 0; i < attachments.size(); ++i)
            m_index.insert(attachments.at(i).path, i);
    }

    // Walks up the chain of parents without recursion, so that a long chain
    // cannot exhaust the stack, then copies the geometry back down it.
    void resolve(int first)
    {
        QVector<int> chain;
        int current = first;
        QString failure;
        while (current >= 0 && m_attachments.at(current).state == SkinAttachment::LinkedPending) {
            SkinAttachment &linked = m_attachments[current];
            linked.state = SkinAttachment::LinkedInProgress;
            chain.append(current);
            const AttachmentPath parent = parentPath(linked, m_lost);
            m_parents.insert(current, parent);
            current = m_index.value(parent, -1);
            if (current < 0) {
                failure = notFound(linked, parent);
            } else if (m_attachments.at(current).state == SkinAttachment::LinkedInProgress) {
                failure = QStringLiteral("its chain of parents loops");
                current = -1;
            }
        }
        for (int i = chain.size() - 1; i >= 0; --i) {
            SkinAttachment &linked = m_attachments[chain.at(i)];
            if (current < 0) {
                dropLinked(linked, failure, m_diagnostics);
                if (!failure.endsWith(QLatin1String("loops")))
                    failure = QStringLiteral("its parent \"%1\" is dropped").arg(linked.path.attachment);
                continue;
            }
            const SkinAttachment &parent = m_attachments.at(current);
            if (parent.state == SkinAttachment::Dropped || !isMeshType(parent.object)) {
                dropLinked(linked,
                           QStringLiteral("its parent \"%1\" is %2")
                                   .arg(parent.path.attachment,
                                        parent.state == SkinAttachment::Dropped
                                                ? QStringLiteral("dropped")
                                                : QStringLiteral("not a mesh")),
                           m_diagnostics);
                failure = QStringLiteral("its parent \"%1\" is dropped").arg(linked.path.attachment);
                current = -1;
                continue;
            }
            if (followsParentDeform(linked.object, m_lost))
                m_context.linkedDeforms.append({linked.path, m_parents.value(chain.at(i))});
            linked.object = linkedCopy(parent.object, linked, m_lost, m_diagnostics);
            linked.state = SkinAttachment::Kept;
            current = chain.at(i);
        }
    }

private:
    QVector<SkinAttachment> &m_attachments;
    UpgradeContext &m_context;
    CarryOverReport &m_lost;
    Diagnostics &m_diagnostics;
    QHash<AttachmentPath, int> m_index;
    // Where each linked mesh of a chain found its parent.
    QHash<int, AttachmentPath> m_parents;
};

} // namespace

void resolveLinkedMeshes(QVector<SkinAttachment> &attachments, UpgradeContext &context,
                         CarryOverReport &lost, Diagnostics &diagnostics)
{
    LinkedMeshResolver resolver(attachments, context, lost, diagnostics);
    for (int i = 0; i < attachments.size(); ++i) {
        if (attachments.at(i).state == SkinAttachment::LinkedPending)
            resolver.resolve(i);
    }
}
