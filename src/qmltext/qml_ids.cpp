#include "qml_ids.h"

#include "global_strings.h"
#include "identifier.h"

#include <QSet>

namespace {

// Words that the engine refuses as ids, or that load as ids but then fail as
// alias targets (null, true, false, this).
const QSet<QString> &rejectedWords()
{
    static const QSet<QString> words = {
        QStringLiteral("break"), QStringLiteral("case"), QStringLiteral("catch"),
        QStringLiteral("class"), QStringLiteral("const"), QStringLiteral("continue"),
        QStringLiteral("debugger"), QStringLiteral("default"), QStringLiteral("delete"),
        QStringLiteral("do"), QStringLiteral("else"), QStringLiteral("enum"),
        QStringLiteral("export"), QStringLiteral("extends"), QStringLiteral("finally"),
        QStringLiteral("for"), QStringLiteral("function"), QStringLiteral("if"),
        QStringLiteral("implements"), QStringLiteral("import"), QStringLiteral("in"),
        QStringLiteral("instanceof"), QStringLiteral("interface"), QStringLiteral("let"),
        QStringLiteral("new"), QStringLiteral("package"), QStringLiteral("private"),
        QStringLiteral("protected"), QStringLiteral("public"), QStringLiteral("return"),
        QStringLiteral("super"), QStringLiteral("switch"), QStringLiteral("throw"),
        QStringLiteral("try"), QStringLiteral("typeof"), QStringLiteral("var"),
        QStringLiteral("void"), QStringLiteral("while"), QStringLiteral("with"),
        QStringLiteral("pragma"), QStringLiteral("eval"), QStringLiteral("parseInt"),
        QStringLiteral("parseFloat"), QStringLiteral("isNaN"), QStringLiteral("isFinite"),
        QStringLiteral("decodeURI"), QStringLiteral("decodeURIComponent"),
        QStringLiteral("encodeURI"), QStringLiteral("encodeURIComponent"),
        QStringLiteral("escape"), QStringLiteral("unescape"), QStringLiteral("undefined"),
        QStringLiteral("print"), QStringLiteral("console"), QStringLiteral("gc"),
        QStringLiteral("qsTr"), QStringLiteral("qsTrId"), QStringLiteral("qsTranslate"),
        QStringLiteral("null"), QStringLiteral("true"), QStringLiteral("false"),
        QStringLiteral("this"),
        // Names the document itself defines: the ids root and attachments
        // (a second one fails to load as "id is not unique"), and the root
        // properties that bindings name unqualified, which an id of the same
        // name would silently shadow (every image source would be wrong).
        // Only ids without a suffix (skin items, attachment items,
        // animations) can hit them.
        QStringLiteral("root"), QStringLiteral("attachments"), QStringLiteral("imageFolder"),
        QStringLiteral("imageFolderAndDash"),
    };
    return words;
}

// Judged per UTF-16 code unit, as the engine judges: a surrogate is no letter.
bool isIdCharacter(QChar c)
{
    if (c.unicode() < 0x80)
        return c.isLetterOrNumber() || c == QLatin1Char('_');
    switch (c.category()) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
        return true;
    default:
        return false;
    }
}

bool isIdStart(QChar c)
{
    return c == QLatin1Char('_') || c.category() == QChar::Letter_Lowercase;
}

QString suffixed(const QString &namePart, const QString &suffix)
{
    return validQmlId(namePart + suffix);
}

} // namespace

bool isValidQmlId(const QString &id)
{
    if (id.isEmpty() || !isIdStart(id.at(0)))
        return false;
    for (QChar c : id) {
        if (!isIdCharacter(c))
            return false;
    }
    return !rejectedWords().contains(id);
}

QString validQmlId(const QString &id)
{
    if (isValidQmlId(id))
        return id;
    QString repaired = id;
    for (QChar &c : repaired) {
        if (!isIdCharacter(c))
            c = QLatin1Char('_');
    }
    if (repaired.isEmpty() || !isIdStart(repaired.at(0)))
        repaired.prepend(QLatin1Char('_'));
    if (rejectedWords().contains(repaired))
        repaired.prepend(QLatin1Char('_'));
    return repaired;
}

QString skinDisplayName(const QString &skinName)
{
    return skinName == QLatin1String("default") ? QStringLiteral("default skin") : skinName;
}

QString boneId(const QString &boneName)
{
    return suffixed(qmlIdentifier(boneName), boneIdSuffix);
}

QString slotId(const QString &slotName)
{
    return suffixed(qmlIdentifier(slotName), slotIdSuffix);
}

QString jointId(const QString &constraintName)
{
    // The suffix joins the name before the rule runs, so an unnamed joint is
    // "joint", not "Joint".
    return validQmlId(qmlIdentifier(constraintName + jointIdSuffix));
}

QString containerId(const QString &attachmentName)
{
    return suffixed(qmlIdentifier(attachmentName), attachmentIdSuffix);
}

QString skinItemId(const QString &skinDisplayName)
{
    return validQmlId(qmlIdentifier(skinDisplayName));
}

QString attachmentItemId(const QString &skinDisplayName, const QString &slotName,
                         const QString &attachmentName)
{
    const QString joined = skinDisplayName + QLatin1Char(' ') + slotName
            + QLatin1Char(' ') + attachmentName;
    return validQmlId(qmlIdentifier(joined));
}

QString animationId(const QString &animationName)
{
    return validQmlId(qmlIdentifier(animationName));
}

QString boneAliasName(const QString &boneName)
{
    return QLatin1Char('a') + boneId(boneName);
}

QString animationAliasName(const QString &animationName)
{
    return animationId(animationName) + animationIdSuffix;
}

QString imageAliasName(const QString &skinDisplayName, const QString &attachmentName)
{
    const QString joined = skinDisplayName + QLatin1Char(' ') + attachmentName;
    return validQmlId(QLatin1Char('a') + qmlIdentifier(joined));
}
