// SPDX-License-Identifier: MIT
#include "store/inidocument.h"

#include <QTest>

using namespace Qt::StringLiterals;

static const QString app = u"quorvel"_s;
static const QString section = u"Recent DBs"_s;

class TestIniDocument : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks around") << u"  Acme Ltd.  "_s;
        QTest::newRow("only blanks") << u"   "_s;
        QTest::newRow("INI punctuation") << u"a=b; c # d [e] /f"_s;
        QTest::newRow("quotes") << u"\"quoted\" and 'single'"_s;
        QTest::newRow("backslashes") << u"C:\\path\\n\\"_s;
        QTest::newRow("percent") << u"100% @Variant(x) %20"_s;
        QTest::newRow("line breaks and tabs") << u"one\ntwo\r\nthree\tfour"_s;
        QTest::newRow("control characters") << QString::fromUtf16(u"\u0001\u001f\u007f end");
        QTest::newRow("non-ASCII letters") << u"Zoë Müller, Łódź, Ærøskøbing"_s;
        QTest::newRow("emoji and joiners") << u"👩‍👩‍👧 🧾 ✔︎"_s;
        QTest::newRow("right to left") << u"שלום עליכם مرحبا"_s;
        QTest::newRow("combining marks") << u"e\u0301 a\u0308"_s;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u"x"_s;
        QTest::newRow("a megabyte") << QString(1 << 20, u'é');
    }

    void roundTrip()
    {
        QFETCH(QString, value);
        IniDocument document;
        document.setValue(app, section, u"Text1DB"_s, value);
        const IniDocument reread(document.toByteArray());
        QCOMPARE(reread.value(app, section, u"text1db"_s).value_or(u"<missing>"_s), value);
    }

    void namesIgnoreLetterCase_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("application");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected"); // "<missing>" when there is no entry

        const QByteArray file = "[Quorvel/RECENT DBS]\nTEXT1DB=Typed by hand\ntext2Db=\"  quoted \"\n";
        QTest::newRow("key in capitals") << file << u"quorvel"_s << u"Text1DB"_s << u"Typed by hand"_s;
        QTest::newRow("application and section in any case") << file << u"QUORVEL"_s << u"text2DB"_s << u"  quoted "_s;
        QTest::newRow("another application") << file << u"other"_s << u"Text1DB"_s << u"<missing>"_s;
        QTest::newRow("missing key") << file << u"quorvel"_s << u"Text3DB"_s << u"<missing>"_s;
        QTest::newRow("later duplicate wins") << QByteArray("[quorvel/Recent DBs]\nText1DB=old\ntext1db=new\n")
                                             << u"quorvel"_s << u"TEXT1DB"_s << u"new"_s;
        QTest::newRow("section split in two") << QByteArray("[quorvel/Recent DBs]\na=1\n[x/y]\nb=2\n[QUORVEL/recent dbs]\nc=3\n")
                                             << u"quorvel"_s << u"A"_s << u"1"_s;
        QTest::newRow("empty value") << QByteArray("[quorvel/Recent DBs]\nText1DB=\n") << u"quorvel"_s << u"Text1DB"_s
                                     << QString();
        QTest::newRow("name with a slash") << QByteArray("[\"a/b\"/Recent DBs]\nk=v\n") << u"a/b"_s << u"k"_s << u"v"_s;
    }

    void namesIgnoreLetterCase()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, application);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(IniDocument(file).value(application, section, key).value_or(u"<missing>"_s), expected);
    }

    void writeReplacesEveryCaseVariant()
    {
        IniDocument document("[quorvel/Recent DBs]\nTEXT1DB=hand\ntext1db=again\nText2DB=two\n");
        document.setValue(app, section, u"text1Db"_s, u"saved"_s);
        QCOMPARE(document.toByteArray(), QByteArray("[quorvel/Recent DBs]\ntext1db=\"saved\"\nText2DB=two\n"));
    }

    void writeKeepsWhatItDoesNotOwn()
    {
        const QByteArray before = "; my notes\n[other/Recent DBs]\nText1DB=untouched \xff\xfe bytes\ngarbage line\n"
                                  "[quorvel/Recent DBs]\nText1DB=x\n\n# end\n";
        IniDocument document(before);
        document.setValue(app, section, u"Text2Db"_s, u"new"_s);
        QCOMPARE(document.toByteArray(),
                 QByteArray("; my notes\n[other/Recent DBs]\nText1DB=untouched \xff\xfe bytes\ngarbage line\n"
                            "[quorvel/Recent DBs]\nText1DB=x\nText2Db=\"new\"\n\n# end\n"));
    }

    void writeAddsTheSectionWhenThereIsNone()
    {
        IniDocument document("[other/Recent DBs]\nk=v"); // no final line break
        document.setValue(app, section, u"Text1Db"_s, u"a"_s);
        QCOMPARE(document.toByteArray(), QByteArray("[other/Recent DBs]\nk=v\n\n[quorvel/Recent DBs]\nText1Db=\"a\"\n"));
    }

    void damagedContentIsReadAsFarAsPossible_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        const QByteArray header = "[quorvel/Recent DBs]\n";
        QTest::newRow("truncated quoted value") << header + "Text1DB=\"Acme" << u"Acme"_s;
        QTest::newRow("truncated escape") << header + "Text1DB=\"Acme\\" << u"Acme\\"_s;
        QTest::newRow("bad unicode escape") << header + "Text1DB=\"a\\uZZZZ\"" << u"auZZZZ"_s;
        QTest::newRow("invalid UTF-8") << header + "Text1DB=\"a\xc3\x28\"" << u"a\uFFFD("_s;
        QTest::newRow("garbage around") << "\x01\x02\n=\n[\n[/]\n" + header + "junk\nText1DB=ok\n]]]" << u"ok"_s;
        QTest::newRow("CRLF line ends") << QByteArray("[quorvel/Recent DBs]\r\nText1DB=win\r\n") << u"win"_s;
        QTest::newRow("NUL bytes") << header + QByteArray("Text1DB=a\0b", 11) << u"a\0b"_s;
        QTest::newRow("header without section") << QByteArray("[quorvel]\nText1DB=no\n") << u"<missing>"_s;
    }

    void damagedContentIsReadAsFarAsPossible()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        const IniDocument document(file);
        QCOMPARE(document.value(app, section, u"Text1DB"_s).value_or(u"<missing>"_s), expected);
        // And it can still be written back and read again.
        IniDocument edited(file);
        edited.setValue(app, section, u"Text2Db"_s, u"v"_s);
        QCOMPARE(IniDocument(edited.toByteArray()).value(app, section, u"text2db"_s), std::optional<QString>(u"v"_s));
    }
};

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
