#include "color.h"
#include "indent.h"
#include "statements.h"
#include "string_literal.h"

#include <QtTest>

class QmlTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void color_data();
    void color();
    void indent_data();
    void indent();
    void stringEscape_data();
    void stringEscape();
    void statements_data();
    void statements();
};

void QmlTextTest::color_data()
{
    QTest::addColumn<QString>("spine");
    QTest::addColumn<QString>("qml");
    QTest::newRow("opaque red") << "ff0000ff" << "ffff0000";
    QTest::newRow("alpha moves to the front") << "00ff0080" << "8000ff00";
    QTest::newRow("case kept") << "FF0000FF" << "FFFF0000";
    QTest::newRow("six digits: blue becomes alpha") << "ff0000" << "00ff0000";
    QTest::newRow("two characters appear twice") << "ab" << "abab";
    QTest::newRow("empty") << "" << "";
}

void QmlTextTest::color()
{
    QFETCH(QString, spine);
    QFETCH(QString, qml);
    QCOMPARE(qmlColor(spine), qml);
}

void QmlTextTest::indent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("indented");
    QTest::newRow("two lines keep a trailing tab") << "a\nb\n" << "\ta\n\tb\n\t";
    QTest::newRow("no line feed") << "a" << "\ta";
    QTest::newRow("lone line feed") << "\n" << "\t\n\t";
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("empty line becomes a tab") << "a\n\nb" << "\ta\n\t\n\tb";
    QTest::newRow("existing tabs kept") << "\tx\n" << "\t\tx\n\t";
}

void QmlTextTest::indent()
{
    QFETCH(QString, text);
    QFETCH(QString, indented);
    QCOMPARE(indentLines(text), indented);
}

void QmlTextTest::stringEscape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain text unchanged") << "hero_images" << "hero_images";
    QTest::newRow("backslash path") << "c:\\art\\hero_images" << "c:\\\\art\\\\hero_images";
    QTest::newRow("quote") << "say \"hi\"" << "say \\\"hi\\\"";
    QTest::newRow("named control characters") << "a\nb\rc\td" << "a\\nb\\rc\\td";
    QTest::newRow("other control character in lower-case hex") << QString(QChar(0x1b))
                                                               << "\\u001b";
    QTest::newRow("non-ASCII unchanged") << QString::fromUtf8("骨骼") << QString::fromUtf8("骨骼");
}

void QmlTextTest::stringEscape()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(escapedForQmlString(text), escaped);
    QCOMPARE(qmlStringLiteral(text), QLatin1Char('"') + escaped + QLatin1Char('"'));
}

void QmlTextTest::statements_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("number action")
            << propertyActionNumber(QStringLiteral("T"), QStringLiteral("P"), -45.5)
            << "PropertyAction { target: T; property: \"P\"; value: -45.5 }\n";
    QTest::newRow("number action in exponent form")
            << propertyActionNumber(QStringLiteral("T"), QStringLiteral("P"), 0.00001)
            << "PropertyAction { target: T; property: \"P\"; value: 1e-05 }\n";
    QTest::newRow("number action of negative zero")
            << propertyActionNumber(QStringLiteral("T"), QStringLiteral("P"), -0.0)
            << "PropertyAction { target: T; property: \"P\"; value: 0 }\n";
    QTest::newRow("text action inserts the value unchanged")
            << propertyActionText(QStringLiteral("T"), QStringLiteral("color"),
                                  QStringLiteral("\"#ffffffff\""))
            << "PropertyAction { target: T; property: \"color\"; value: \"#ffffffff\" }\n";
    QTest::newRow("property change")
            << propertyChanges(QStringLiteral("T"), QStringLiteral("P"), QStringLiteral("V"))
            << "PropertyChanges { target: T; P: V }\n";
    QTest::newRow("empty value keeps the punctuation")
            << propertyChanges(QStringLiteral("T"), QStringLiteral("P"), QString())
            << "PropertyChanges { target: T; P:  }\n";
}

void QmlTextTest::statements()
{
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(statement, expected);
}

QTEST_APPLESS_MAIN(QmlTextTest)
#include "qmltext_test.moc"
