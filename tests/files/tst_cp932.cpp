// Code page 932 conversion and the two read styles of the data files.
#include "files/cp932.h"
#include "files/datafolder.h"
#include "files/textreader.h"

#include <QTest>

class TestCp932 : public QObject {
    Q_OBJECT
private slots:
    void roundTripsWindowsCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wave dash is U+FF5E") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("full-width minus") << QStringLiteral("－") << QByteArray("\x81\x7c");
        QTest::newRow("circled one") << QStringLiteral("①") << QByteArray("\x87\x40");
        QTest::newRow("NEC roman numeral") << QStringLiteral("Ⅰ") << QByteArray("\x87\x54");
        QTest::newRow("IBM extension") << QStringLiteral("髙") << QByteArray("\xfb\xfc");
        QTest::newRow("backslash stays ASCII") << QStringLiteral("\\") << QByteArray("\x5c");
        QTest::newRow("tilde stays ASCII") << QStringLiteral("~") << QByteArray("~");
        QTest::newRow("half-width katakana") << QStringLiteral("ｱ") << QByteArray("\xb1");
        QTest::newRow("kanji and kana") << QStringLiteral("英単語テスト") << QByteArray("\x89\x70\x92\x50\x8c\xea\x83\x65\x83\x58\x83\x67");
        QTest::newRow("ideographic space") << QStringLiteral("\u3000") << QByteArray("\x81\x40");
        QTest::newRow("control byte 0x1A") << QStringLiteral("\x1a") << QByteArray("\x1a");
        QTest::newRow("control byte 0x7F") << QStringLiteral("\x7f") << QByteArray("\x7f");
    }
    void roundTripsWindowsCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(cp932::decode(bytes), text);
        const cp932::EncodeResult encoded = cp932::encode(text);
        QVERIFY(encoded.ok());
        QCOMPARE(encoded.bytes, bytes);
    }

    void mapsInputMethodLookAlikesOntoTheirBytes()
    {
        // Linux input methods type U+301C and U+2212 where Windows has ～ and －.
        QCOMPARE(cp932::encode(QStringLiteral("\u301c")).bytes, QByteArray("\x81\x60"));
        QCOMPARE(cp932::encode(QStringLiteral("\u2212")).bytes, QByteArray("\x81\x7c"));
    }

    void replacesInvalidBytesWhereTheyStand()
    {
        QCOMPARE(cp932::decode(QByteArray("a\x85\x40" "b")), QStringLiteral("a\uFFFD@b"));
        // A lead byte cut off at the end of the file.
        QCOMPARE(cp932::decode(QByteArray("ab\x82")), QStringLiteral("ab\uFFFD"));
        QCOMPARE(cp932::decode(QByteArray("\xff\xff")).size(), 2);
    }

    void tellsUtf8FromCodePage932()
    {
        const QString japanese = QStringLiteral("第1章の名前　日本語、ｶﾀｶﾅ");
        QVERIFY(DataFolder::looksLikeUtf8(japanese.toUtf8()));
        QVERIFY(DataFolder::looksLikeUtf8(QByteArray("\xef\xbb\xbf") + japanese.toUtf8()));
        QVERIFY(!DataFolder::looksLikeUtf8(cp932::encode(japanese).bytes));
        QVERIFY(!DataFolder::looksLikeUtf8("plain ASCII, 100\r\n"));
        QVERIFY(!DataFolder::looksLikeUtf8(japanese.toUtf8() + "\x93")); // cut off: not UTF-8 throughout
    }

    void reportsCharactersItCannotHold()
    {
        const cp932::EncodeResult emoji = cp932::encode(QStringLiteral("I like 😀 much"));
        QVERIFY(!emoji.ok());
        QCOMPARE(*emoji.badCharacter, QStringLiteral("😀"));
        QVERIFY(emoji.bytes.isEmpty());
        QVERIFY(cp932::describeCharacter(*emoji.badCharacter).contains(QStringLiteral("U+1F600")));

        const cp932::EncodeResult hangul = cp932::encode(QStringLiteral("abc한"));
        QVERIFY(!hangul.ok());
        QCOMPARE(*hangul.badCharacter, QStringLiteral("한"));
        QVERIFY(!cp932::encode(QStringLiteral("\uFFFD")).ok());
    }

    void lineReadsEndAtCrLfCrOrLf()
    {
        TextReader r(QStringLiteral("one, \"two\" \r\nthree\rfour\n\r\nlast"));
        QCOMPARE(r.readLine(), QStringLiteral("one, \"two\" "));
        QCOMPARE(r.readLine(), QStringLiteral("three"));
        QCOMPARE(r.readLine(), QStringLiteral("four"));
        QCOMPARE(r.readLine(), QString());
        QVERIFY(!r.atEnd());
        QCOMPARE(r.readLine(), QStringLiteral("last"));
        QVERIFY(r.atEnd());
        QVERIFY(!r.ranShort());
        QCOMPARE(r.readLine(), QString());
        QVERIFY(r.ranShort());
    }

    void fieldReads()
    {
        TextReader r(QStringLiteral("  Course, title  \r\n\"quoted, with comma\" tail,next\r\n\r\n   \r\n7\n,\n"));
        QCOMPARE(r.readField(), QStringLiteral("Course"));
        QCOMPARE(r.readField(), QStringLiteral("title"));
        QCOMPARE(r.readField(), QStringLiteral("quoted, with comma"));
        QCOMPARE(r.readField(), QStringLiteral("next"));
        QCOMPARE(r.readField(), QString()); // an empty line
        QCOMPARE(r.readField(), QString()); // blanks only
        QCOMPARE(r.readField(), QStringLiteral("7"));
        QCOMPARE(r.readField(), QString()); // before the comma
        QCOMPARE(r.readField(), QString()); // after it
        QVERIFY(r.atEnd());
        QVERIFY(!r.ranShort());
        QCOMPARE(r.readFields(2), QStringList({QString(), QString()}));
        QVERIFY(r.ranShort());
    }

    void writesCrLf()
    {
        QCOMPARE(joinLinesCrLf({QStringLiteral("a"), QString(), QStringLiteral("b")}), QStringLiteral("a\r\n\r\nb\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
