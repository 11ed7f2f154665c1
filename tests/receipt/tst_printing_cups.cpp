// SPDX-License-Identifier: MIT
// Prints through the tests' own CUPS scheduler (QUORVEL_TEST_CUPS names its folder; CTest
// starts it, with a PDF printer that keeps every document, and CUPS_SERVER points at it),
// with no reachable print system at all, and without the printing module.
#include "content/localeformat.h"
#include "base/failure.h"
#include "core/handlerguard.h"
#include "main/qv1.h"
#include "core/sharedinstance.h"
#include "receipt/printingmodule.h"
#include "receipt/qvrp.h"
#include "receipt/receiptprintout.h"
#include "setup/qvo1.h"
#include "store/settingsstore.h"
#include "testsupport.h"

#include <QDate>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString cupsFolder = qEnvironmentVariable("QUORVEL_TEST_CUPS");

QString runClient(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30'000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<int> listedJobs(const QString &which)
{
    QList<int> ids;
    const QString listing = runClient(u"lpstat"_s, {u"-W"_s, which, u"-o"_s});
    for (const QString &line : listing.split(u'\n', Qt::SkipEmptyParts))
        ids << line.section(u' ', 0, 0).section(u'-', -1).toInt();
    return ids;
}

// Every job the scheduler knows, finished or not, by number.
QList<int> jobIds()
{
    return listedJobs(u"all"_s);
}

// What comes back from a PDF: ligatures and Arabic presentation forms folded by
// compatibility normalisation; invisible format characters (joiners, bidi marks) dropped,
// since a PDF carries only what is drawn.
QString comparable(const QString &text)
{
    QString folded = text.normalized(QString::NormalizationForm_KC);
    folded.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    return folded.simplified();
}

// The document that the printer received for the job, once the job has completed.
QString printedDocument(int job)
{
    if (!QTest::qWaitFor([job] { return listedJobs(u"completed"_s).contains(job); }, 20'000))
        return QString();
    return cupsFolder + u"/printed/job-%1.pdf"_s.arg(job);
}

QStringList printedText(int job)
{
    QStringList lines;
    const QString text = runClient(u"pdftotext"_s, {u"-layout"_s, printedDocument(job), u"-"_s});
    for (const QString &line : text.split(u'\n'))
        if (!comparable(line).isEmpty())
            lines << comparable(line);
    return lines;
}

// The characters that the printed document's text layer maps its glyphs to (its ToUnicode
// maps, which Qt writes uncompressed): what a reader copies or searches.
QString textLayerCharacters(int job)
{
    QFile document(printedDocument(job));
    if (!document.open(QIODevice::ReadOnly))
        return QString();
    QString characters;
    static const QRegularExpression map(u"begin(bfrange|bfchar)(.*?)end\\1"_s, QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression code(u"<([0-9A-F]{4})>"_s);
    const QString pdf = QString::fromLatin1(document.readAll());
    for (const QRegularExpressionMatch &section : map.globalMatch(pdf)) {
        // Each entry is "<glyph> <glyph> [<unicode>...]" or "<glyph> <unicode>": skip glyph ids.
        for (const QString &entry : section.captured(2).split(u'\n', Qt::SkipEmptyParts)) {
            const QString targets = entry.contains(u'[') ? entry.section(u'[', 1) : entry.section(u' ', 1);
            for (const QRegularExpressionMatch &unit : code.globalMatch(targets))
                characters += QChar(unit.captured(1).toUShort(nullptr, 16));
        }
    }
    return characters;
}

// Ends or starts the tests' scheduler through the script that CTest uses.
void cupsInstance(const QStringList &arguments)
{
    QCOMPARE(QProcess::execute(QStringLiteral(CUPS_INSTANCE), arguments), 0);
}

// The default printer, whose scheduler stops just before the document is handed over.
class StoppingPrinter : public LinePrinter
{
public:
    void setFontSize(float points) override { m_printer->setFontSize(points); }
    void printLine(const QStringList &items) override { m_printer->printLine(items); }
    void printEmptyLine() override { m_printer->printEmptyLine(); }
    void endDocument() override
    {
        cupsInstance({u"stop"_s, cupsFolder});
        m_printer->endDocument();
    }

private:
    const std::unique_ptr<LinePrinter> m_printer = PrintingModule::defaultPrinter();
};

} // namespace

class TestPrintingCups : public TestSupport::WindowTestCase
{
    Q_OBJECT

private:
    static void type(const char *name, const QString &text)
    {
        SharedInstance<QV1>::get().window()->findChild<QLineEdit *>(QLatin1StringView(name))->setText(text);
    }
    static QPushButton *printButton()
    {
        return SharedInstance<QVRP>::get().window()->findChild<QPushButton *>(u"Command1"_s);
    }
    static void openPreview()
    {
        TestSupport::storeIssuer({u"Zoë's Supplies"_s, u"1 Main St"_s, u"Springfield"_s, u"IL"_s, u"62701"_s});
        SharedInstance<QV1>::get().show();
        type("Text2", u"Ada"_s);
        type("Text3", u"Lovelace"_s);
        type("Text4", u"12 Elm"_s);
        type("Text6", u"Shelbyville"_s);
        type("Text8", u"KY"_s);
        type("Text9", u"40065"_s);
        type("Text7", u"1234.5"_s);
        SharedInstance<QV1>::get().window()->findChild<QRadioButton *>(u"Option4"_s)->click();
        SharedInstance<QV1>::get().window()->findChild<QPushButton *>(u"Command1"_s)->click();
        QVERIFY(QTest::qWaitForWindowActive(SharedInstance<QVRP>::get().window()));
    }

private slots:
    void enterPrintsTheReceiptThroughTheSpooler()
    {
        if (cupsFolder.isEmpty())
            QSKIP("runs under CTest, which starts the tests' own CUPS scheduler");
        openPreview();
        const QList<int> before = jobIds();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(TestSupport::errorReports().isEmpty(), qPrintable(TestSupport::errorReportText()));

        QTRY_VERIFY_WITH_TIMEOUT(jobIds().size() > before.size(), 20'000);
        QList<int> added = jobIds();
        for (int id : before)
            added.removeAll(id);
        QCOMPARE(added.size(), 1);
        // Each printed line that holds text, in order; runs of spaces are folded to one.
        QCOMPARE(printedText(added.first()),
                 (QStringList{u"Receipt Form"_s, LocaleFormat::shortDate(QDate::currentDate()),
                              u"Paid to the order of: Zoë's Supplies"_s, u"1 Main St"_s, u"Springfield IL 62701"_s,
                              u"Paid by: Cash"_s, u"In the Amount of: $1,234.50"_s, u"From: Ada Lovelace"_s,
                              u"12 Elm"_s, u"Shelbyville KY 40065"_s}));
        QCOMPARE(SharedInstance<QVRP>::get().state(), WindowLifecycle::State::Shown);
        // The text layer holds the characters that were printed: no tab for a space, no
        // ligature for the "fi" of "Springfield".
        const QString characters = textLayerCharacters(added.first());
        QVERIFY(characters.contains(u'S'));
        QVERIFY(characters.contains(u'f') && characters.contains(u'i'));
        QVERIFY(!characters.contains(u'\t'));
        QVERIFY(!characters.contains(u'\uFB01'));
    }

    // Every field from the keyboard to paper: saved and loaded by User Setup, copied by the
    // preview, printed, and read back from the spooled document.
    void textSurvivesTheWholeRoad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("combining marks") << u"Zoe\u0301 a\u0308 \u00C6r\u00F8sk\u00F8bing"_s;
        QTest::newRow("right to left") << u"\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627"_s;
        QTest::newRow("CJK") << u"\u6771\u4EAC \uC11C\uC6B8"_s;
        QTest::newRow("zero-width joiners") << u"a\u200Db\u200Cc"_s;
        QTest::newRow("a megabyte") << QString(1 << 20, u'm');
    }

    void textSurvivesTheWholeRoad()
    {
        QFETCH(QString, text);
        if (cupsFolder.isEmpty())
            QSKIP("runs under CTest, which starts the tests' own CUPS scheduler");
        auto &main = SharedInstance<QV1>::get();
        main.show();
        main.window()->findChild<QAction *>(u"mnuoptions"_s)->trigger();
        for (QLineEdit *field : SharedInstance<QVO1>::get().window()->findChildren<QLineEdit *>())
            field->setText(text);
        SharedInstance<QVO1>::get().unload();
        for (QLineEdit *field : main.window()->findChildren<QLineEdit *>())
            field->setText(text);
        main.window()->findChild<QPushButton *>(u"Command1"_s)->click();

        const Receipt shown = SharedInstance<QVRP>::get().window()->receipt();
        const QStringList copied{shown.issuer.name, shown.issuer.street, shown.issuer.city, shown.issuer.state,
                                 shown.issuer.zip, shown.amount, shown.payee.firstName, shown.payee.lastName,
                                 shown.payee.street1, shown.payee.street2, shown.payee.city, shown.payee.state,
                                 shown.payee.zip};
        for (const QString &value : copied)
            QVERIFY(value == text);

        const QList<int> before = jobIds();
        printButton()->click();
        QVERIFY2(TestSupport::errorReports().isEmpty(), qPrintable(TestSupport::errorReportText()));
        QTRY_VERIFY_WITH_TIMEOUT(jobIds().size() > before.size(), 30'000);
        const QString t = comparable(text);
        const QStringList expected{u"Receipt Form"_s, LocaleFormat::shortDate(QDate::currentDate()),
                                   comparable(u"Paid to the order of: "_s + text), t, comparable(text + u' ' + text + u' ' + text),
                                   u"Paid by:"_s, comparable(u"In the Amount of: "_s + text),
                                   comparable(u"From: "_s + text + u' ' + text), t, t, comparable(text + u' ' + text + u' ' + text)};
        const QStringList printed = printedText(jobIds().constLast());
        // A line far wider than the page is cut at the paper's edge: the page then holds
        // the captions, in order, and the start of the values.
        if (text.size() > 1000) {
            QString rest = printed.join(u' ');
            for (const QString &caption : {u"Receipt Form"_s, u"Paid to the order of:"_s, u"Paid by:"_s,
                                           u"In the Amount of:"_s, u"From:"_s}) {
                const qsizetype at = rest.indexOf(caption);
                QVERIFY2(at >= 0, qPrintable(caption));
                rest = rest.mid(at + caption.size());
            }
            // Each of the eight lines that hold a value is filled with it to the paper's edge.
            static const QRegularExpression filledToTheEdge(u"m{20,}$"_s);
            QCOMPARE(printed.filter(filledToTheEdge).size(), 8);
            return;
        }
        QCOMPARE(printed.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QVERIFY2(printed.at(i) == expected.at(i), qPrintable(u"line %1: %2"_s.arg(i).arg(printed.at(i).left(200))));
    }

    void printTwicePrintsTwoDocuments()
    {
        if (cupsFolder.isEmpty())
            QSKIP("runs under CTest, which starts the tests' own CUPS scheduler");
        openPreview();
        const qsizetype before = jobIds().size();
        printButton()->click();
        printButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(jobIds().size(), before + 2, 20'000);
        QVERIFY(TestSupport::errorReports().isEmpty());
    }

    void abandonedDocumentQueuesNothing()
    {
        if (cupsFolder.isEmpty())
            QSKIP("runs under CTest, which starts the tests' own CUPS scheduler");
        const QList<int> before = jobIds();
        {
            const std::unique_ptr<LinePrinter> printer = PrintingModule::defaultPrinter();
            printer->setFontSize(20);
            printer->printLine({u"half a receipt"_s});
        }
        QTest::qWait(500);
        QCOMPARE(jobIds(), before);
    }

    void schedulerStoppingDuringAJobIsReported()
    {
        if (cupsFolder.isEmpty())
            QSKIP("runs under CTest, which starts the tests' own CUPS scheduler");
        const QList<int> before = jobIds();
        const QString port = qEnvironmentVariable("CUPS_SERVER").section(u':', -1);
        {
            const auto restart = qScopeGuard([port] { cupsInstance({u"start"_s, cupsFolder, port}); });
            runGuarded([] {
                StoppingPrinter printer;
                printReceipt(Receipt{}, u"12/7/2026"_s, printer);
            });
        }
        QVERIFY2(TestSupport::errorReportText().contains(u"The print system did not take the document"_s),
                 qPrintable(TestSupport::errorReportText()));
        QCOMPARE(jobIds(), before);
    }

    // A server that takes the connection and never answers is reported within the bound,
    // and the program goes on.
    void silentPrintSystemIsReported()
    {
        // A listening socket that nobody serves: the kernel accepts connections into its backlog.
        const int silent = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const auto closeSocket = qScopeGuard([silent] { ::close(silent); });
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QVERIFY(::bind(silent, reinterpret_cast<sockaddr *>(&address), length) == 0 && ::listen(silent, 8) == 0);
        QVERIFY(::getsockname(silent, reinterpret_cast<sockaddr *>(&address), &length) == 0);
        const QByteArray server = "127.0.0.1:" + QByteArray::number(ntohs(address.sin_port));
        const QByteArray previous = cupsServer();
        cupsSetServer(server.constData());
        const auto restore = qScopeGuard([previous] { cupsSetServer(previous.constData()); });
        QElapsedTimer clock;
        clock.start();
        runGuarded([] { printReceipt(Receipt{}, u"12/7/2026"_s, *PrintingModule::defaultPrinter()); });
        QVERIFY(clock.elapsed() < 20'000);
        QVERIFY2(TestSupport::errorReportText().contains(u"did not answer within 15 seconds"_s),
                 qPrintable(TestSupport::errorReportText()));
    }

    void noPrintSystem()
    {
        if (!cupsFolder.isEmpty())
            QSKIP("runs with CUPS_SERVER pointing at a closed port");
        openPreview();
        const QList<int> before = jobIds();
        printButton()->click();
        QVERIFY2(TestSupport::errorReportText().contains(u"Printing the receipt failed."_s),
                 qPrintable(TestSupport::errorReportText()));
        QVERIFY(TestSupport::errorReportText().contains(u"No default printer"_s));
        QCOMPARE(SharedInstance<QVRP>::get().state(), WindowLifecycle::State::Shown);
        QCOMPARE(jobIds(), before);
    }

    // Run as a copy of this program in a folder without the printing module.
    void printingModuleMissing()
    {
        if (!qEnvironmentVariableIsSet("QUORVEL_TEST_WITHOUT_MODULE"))
            QSKIP("runs as a copy of this program in a folder without the printing module");
        openPreview();
        printButton()->click();
        QVERIFY2(TestSupport::errorReportText().contains(u"The printing module cannot be loaded"_s),
                 qPrintable(TestSupport::errorReportText()));
        QCOMPARE(SharedInstance<QVRP>::get().state(), WindowLifecycle::State::Shown);
    }
};

QTEST_MAIN(TestPrintingCups)
#include "tst_printing_cups.moc"
