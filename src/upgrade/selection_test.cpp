#include "upgrade.h"
#include "upgrade_parts.h"

#include <QJsonDocument>
#include <QtTest>

// Which files are upgraded, and the note that says how one was read. Each
// row is one whole file in JSON; the note is empty for a file read as it is.
class SelectionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selection_data();
    void selection();
    void slotFolders_data();
    void slotFolders();
};

void SelectionTest::selection_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("note");
    const QString layout = QStringLiteral("read as a Spine 3.x layout file");
    const QString anim = QStringLiteral("{\"animations\": {\"a\": %1}}");
    const QString bone = anim.arg(QStringLiteral("{\"bones\": {\"b\": %1}}"));
    const QString slot = anim.arg(QStringLiteral("{\"slots\": {\"s\": %1}}"));
    QTest::newRow("2.x file") << "{\"skeleton\": {\"spine\": \"2.1.27\"}, \"skins\": {}}" << "";
    QTest::newRow("skins array") << "{\"skins\": []}" << "read as a Spine 3.8+ layout file";
    QTest::newRow("skins array, 2.x text") << "{\"skeleton\": {\"spine\": \"2.1.27\"}, \"skins\": []}"
                                           << "read as a Spine 2.1.27 file";
    QTest::newRow("3.x text") << "{\"skeleton\": {\"spine\": \"3.5.03-beta\"}}"
                              << "read as a Spine 3.5.03-beta file";
    QTest::newRow("far future text") << "{\"skeleton\": {\"spine\": \"99.99.99\"}}"
                                     << "read as a Spine 99.99.99 file";
    QTest::newRow("leading zeros") << "{\"skeleton\": {\"spine\": \"0003.0\"}}"
                                   << "read as a Spine 0003.0 file";
    for (const char *text : {"Dev", "99.dev", "4", "4.", "2.9", "", "x3.8"})
        QTest::newRow(text) << QStringLiteral("{\"skeleton\": {\"spine\": \"%1\"}}").arg(QLatin1String(text)) << "";
    QTest::newRow("version not a text") << "{\"skeleton\": {\"spine\": 3.8}}" << "";
    for (const char *type : {"weightedmesh", "linkedmesh", "weightedlinkedmesh", "path", "point", "clipping"}) {
        QTest::newRow(type) << QStringLiteral("{\"skins\": {\"k\": {\"s\": {\"a\": {\"type\": \"%1\"}}}}}")
                                       .arg(QLatin1String(type)) << layout;
    }
    QTest::newRow("constraints list") << "{\"constraints\": []}" << layout;
    QTest::newRow("constraints not a list") << "{\"constraints\": {}}" << "";
    QTest::newRow("weighted mesh, vertexCount") << "{\"skins\": {\"k\": {\"s\": {\"a\": {\"type\": \"mesh\","
                                                   " \"uvs\": [], \"vertices\": [1, 0, 1, 1, 1], \"vertexCount\": 1}}}}}" << "";
    for (const char *member : {"transform", "inherit", "shearX", "shearY"})
        QTest::newRow(member) << QStringLiteral("{\"bones\": [{\"%1\": 0}]}").arg(QLatin1String(member)) << layout;
    QTest::newRow("deform") << anim.arg(QStringLiteral("{\"deform\": {}}")) << layout;
    QTest::newRow("attachments") << anim.arg(QStringLiteral("{\"attachments\": []}")) << layout;
    QTest::newRow("rotate value") << bone.arg(QStringLiteral("{\"rotate\": [{\"value\": 1}]}")) << layout;
    QTest::newRow("rotate angle") << bone.arg(QStringLiteral("{\"rotate\": [{\"angle\": 1}]}")) << "";
    for (const char *timeline : {"rgba", "rgb", "alpha", "rgba2", "rgb2", "twoColor"})
        QTest::newRow(timeline) << slot.arg(QStringLiteral("{\"%1\": 0}").arg(QLatin1String(timeline))) << layout;
    for (const char *timeline : {"shear", "translatex", "translatey", "scalex", "scaley", "shearx", "sheary"})
        QTest::newRow(timeline) << bone.arg(QStringLiteral("{\"%1\": 0}").arg(QLatin1String(timeline))) << layout;
    QTest::newRow("bone curve number") << bone.arg(QStringLiteral("{\"scale\": [{\"curve\": 0.5}]}")) << layout;
    QTest::newRow("slot curve number") << slot.arg(QStringLiteral("{\"color\": [{\"curve\": 0}]}")) << layout;
    QTest::newRow("ffd curve number")
            << anim.arg(QStringLiteral("{\"ffd\": {\"k\": {\"s\": {\"a\": [{\"curve\": 1}]}}}}")) << layout;
    QTest::newRow("curve boolean") << bone.arg(QStringLiteral("{\"scale\": [{\"curve\": true}]}")) << "";
    QTest::newRow("ik curve number") << anim.arg(QStringLiteral("{\"ik\": {\"i\": [{\"curve\": 1}]}}")) << "";
    QTest::newRow("draw order curve number")
            << anim.arg(QStringLiteral("{\"drawOrder\": [{\"curve\": 1}], \"events\": [{\"curve\": 1}]}")) << "";
}

void SelectionTest::selection()
{
    QFETCH(QString, file);
    QFETCH(QString, note);
    const QJsonObject root = QJsonDocument::fromJson(file.toUtf8()).object();
    QVERIFY(!root.isEmpty());
    QCOMPARE(needsUpgrade(root), !note.isEmpty());
    if (!note.isEmpty())
        QCOMPARE(versionNote(root), note);
}

// Only 4.2 beta editors wrote folders into slot names: any other version
// text, 4.3 betas included, keeps a "/" in a slot name as part of the name.
void SelectionTest::slotFolders_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("folders");
    QTest::newRow("4.2 beta") << "4.2.45-beta" << true;
    QTest::newRow("4.2 beta, one digit") << "4.2.1-beta" << true;
    QTest::newRow("stable 4.2") << "4.2.22" << false;
    QTest::newRow("4.1 beta") << "4.1.06-beta" << false;
    QTest::newRow("4.3 beta") << "4.3.37-beta" << false;
    QTest::newRow("4.20 beta") << "4.20.1-beta" << false;
    QTest::newRow("14.2 beta") << "14.2.1-beta" << false;
    QTest::newRow("line feed after the text") << "4.2.1-beta\n" << false;
    QTest::newRow("another suffix") << "4.2.1-beta2" << false;
    QTest::newRow("no patch number") << "4.2.-beta" << false;
}

void SelectionTest::slotFolders()
{
    QFETCH(QString, version);
    QFETCH(bool, folders);
    const QJsonObject root = QJsonDocument::fromJson(
            QStringLiteral("{\"skeleton\": {\"spine\": \"%1\"}}").arg(version).toUtf8()).object();
    QVERIFY(!root.isEmpty());
    QCOMPARE(isSpine42Beta(root), folders);
}

QTEST_APPLESS_MAIN(SelectionTest)
#include "selection_test.moc"
