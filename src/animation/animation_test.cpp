// What the deform writer writes is held byte for byte by the whole-document
// files (tests/documents/edges/animation_edges.json); only its fixed debug
// lines, which go to Qt's message log and never into the text, are held here.
#include "deform_timelines.h"

#include <QJsonDocument>
#include <QtTest>

namespace {
QStringList debugLines;
void collectDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugLines.append(message);
}
} // namespace

class AnimationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deformDebugLinesStayOutOfTheText();
};

void AnimationTest::deformDebugLinesStayOutOfTheText()
{
    const QtMessageHandler previous = qInstallMessageHandler(collectDebugLines);
    const QString text = writeDeformTimelines(
            QJsonDocument::fromJson(R"({"a": {"s": {}, "t": {"m": []}}})").object(), QJsonObject());
    qInstallMessageHandler(previous);
    // Release builds compile Qt's debug log out; Debug builds keep the lines.
#ifdef QT_NO_DEBUG_OUTPUT
    QCOMPARE(debugLines, QStringList());
#else
    QCOMPARE(debugLines, QStringList({"one ffd", "one slot", "one slot"}));
#endif
    QCOMPARE(text, QStringLiteral("\tSequentialAnimation {\n\t}\n"));
}

QTEST_APPLESS_MAIN(AnimationTest)
#include "animation_test.moc"
