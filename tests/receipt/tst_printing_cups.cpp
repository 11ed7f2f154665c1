// SPDX-License-Identifier: MIT
// Prints through the tests' own CUPS scheduler (QUORVEL_TEST_CUPS names its folder; CTest
// starts it, with printers that keep every document or fail in the ways printers do, and
// CUPS_SERVER points at it), through print servers that misbehave, and without the
// printing module.
#include "content/localeformat.h"
#include "base/failure.h"
#include "core/handlerguard.h"
#include "core/languages.h"
#include "main/qv1.h"
#include "core/sharedinstance.h"
#include "receipt/printjob.h"
#include "receipt/qvrp.h"
#include "receipt/receiptprintout.h"
#include "setup/qvo1.h"
#include "store/settingsstore.h"
#include "testsupport.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString cupsFolder = qEnvironmentVariable("QUORVEL_TEST_CUPS");
const QByteArray schedulerAddress = qgetenv("CUPS_SERVER");

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

QStringList printedText(const QString &document)
{
    QStringList lines;
    const QString text = runClient(u"pdftotext"_s, {u"-layout"_s, document, u"-"_s});
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

// Each text line of the page, top to bottom, with the box of its words' glyphs as pdftotext
// measures them.
struct PrintedLineBox
{
    QString text;
    QRectF box;
};

std::pair<QSizeF, QList<PrintedLineBox>> printedLayout(const QString &document)
{
    static const QRegularExpression page(u"<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""_s);
    static const QRegularExpression word(
            u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*)</word>"_s);
    const QString layout = runClient(u"pdftotext"_s, {u"-bbox"_s, document, u"-"_s});
    const QRegularExpressionMatch size = page.match(layout);
    QList<PrintedLineBox> words;
    for (const QRegularExpressionMatch &w : word.globalMatch(layout))
        words.append({w.captured(5), QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                            QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
    std::sort(words.begin(), words.end(), [](const PrintedLineBox &a, const PrintedLineBox &b) {
        return qFuzzyCompare(a.box.top(), b.box.top()) ? a.box.left() < b.box.left() : a.box.top() < b.box.top();
    });
    QList<PrintedLineBox> lines;
    for (const PrintedLineBox &w : std::as_const(words)) {
        if (lines.isEmpty() || w.box.top() > lines.last().box.top() + 1) {
            lines.append(w);
        } else {
            lines.last().text += u' ' + w.text;
            lines.last().box |= w.box;
        }
    }
    return {QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()), lines};
}

// A print server on 127.0.0.1 that misbehaves: it says nothing, answers garbage, answers
// the first question and then falls silent, answers one byte at a time, or closes the
// connection halfway through its answer. Its only right answer names the default printer.
class MisbehavingServer : public QTcpServer
{
public:
    explicit MisbehavingServer(const QString &mode)
        : m_mode(mode)
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *client = nextPendingConnection();
            m_connection[client] = m_connections++;
            connect(client, &QTcpSocket::readyRead, client, [this, client] { answer(client); });
        });
    }
    QByteArray address() const { return "127.0.0.1:" + QByteArray::number(serverPort()); }

private:
    void answer(QTcpSocket *client)
    {
        QByteArray &request = m_requests[client];
        request += client->readAll();
        const qsizetype headEnd = request.indexOf("\r\n\r\n");
        static const QRegularExpression length(u"Content-Length: *(\\d+)"_s, QRegularExpression::CaseInsensitiveOption);
        if (headEnd < 0 || request.size() < headEnd + 4 + length.match(QString::fromLatin1(request)).captured(1).toInt())
            return;
        request.clear();
        const int answered = m_answered[client]++;
        if (m_mode == u"garbage")
            client->write("garbage\r\n\r\n");
        else if (m_mode == u"closing") {
            client->write(defaultPrinterAnswer().left(60));
            client->disconnectFromHost();
        } else if (m_mode == u"dribbling") {
            auto *drip = new QTimer(client);
            connect(drip, &QTimer::timeout, client, [client, rest = defaultPrinterAnswer()]() mutable {
                client->write(rest.left(1));
                rest.remove(0, 1);
            });
            drip->start(300);
        } else if (m_mode == u"stalling" && answered == 0)
            client->write(defaultPrinterAnswer());
        else if (m_mode == u"reconnecting" && m_connection[client] == 0) {
            client->write(defaultPrinterAnswer().replace("\r\n\r\n", "\r\nConnection: close\r\n\r\n"));
            client->disconnectFromHost();
        }
    }

    static QByteArray defaultPrinterAnswer()
    {
        ipp_t *answer = ippNew();
        ippSetVersion(answer, 2, 0);
        ippSetStatusCode(answer, IPP_STATUS_OK);
        ippSetRequestId(answer, 1);
        ippAddString(answer, IPP_TAG_OPERATION, IPP_TAG_CHARSET, "attributes-charset", nullptr, "utf-8");
        ippAddString(answer, IPP_TAG_OPERATION, IPP_TAG_LANGUAGE, "attributes-natural-language", nullptr, "en");
        ippAddString(answer, IPP_TAG_PRINTER, IPP_TAG_NAME, "printer-name", nullptr, "QuorvelPDF");
        ippAddString(answer, IPP_TAG_PRINTER, IPP_TAG_URI, "printer-uri-supported", nullptr,
                     "ipp://localhost/printers/QuorvelPDF");
        QByteArray body;
        ippWriteIO(&body, [](void *out, ipp_uchar_t *data, size_t size) -> ssize_t {
            static_cast<QByteArray *>(out)->append(reinterpret_cast<const char *>(data), qsizetype(size));
            return ssize_t(size);
        }, 1, nullptr, answer);
        ippDelete(answer);
        return "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " + QByteArray::number(body.size())
                + "\r\n\r\n" + body;
    }

    QString m_mode;
    QHash<QTcpSocket *, QByteArray> m_requests;
    QHash<QTcpSocket *, int> m_answered;
    QHash<QTcpSocket *, int> m_connection; // in the order they came
    int m_connections = 0;
};

// A print server in front of the tests' scheduler, as across a slow network: it holds each
// answer for a while. It can also want a password: a connection whose first request does
// not carry the right one gets "401 Unauthorized" and is closed. (Header lines are taken to
// arrive whole, as libcups writes them.)
class SchedulerProxy : public QTcpServer
{
public:
    SchedulerProxy(std::chrono::milliseconds delay, const QByteArray &login)
        : m_delay(delay)
        , m_authorization(login.isEmpty() ? QByteArray() : "Basic " + login.toBase64())
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] { pass(nextPendingConnection()); });
    }
    QByteArray address() const { return "127.0.0.1:" + QByteArray::number(serverPort()); }
    int authorized = 0; // connections that carried the right password

private:
    void pass(QTcpSocket *client)
    {
        auto *toScheduler = new QTcpSocket(client);
        const QString scheduler = QString::fromLatin1(schedulerAddress);
        toScheduler->connectToHost(scheduler.section(u':', 0, 0), scheduler.section(u':', 1).toUShort());
        connect(client, &QTcpSocket::readyRead, toScheduler, [this, client, toScheduler] {
            QByteArray data = client->readAll();
            if (!m_authorization.isEmpty() && !client->property("checked").toBool()) {
                const QByteArray head = client->property("head").toByteArray() + data;
                client->setProperty("head", head);
                if (!head.contains("\r\n\r\n"))
                    return;
                if (!head.contains(QByteArray("Authorization: " + m_authorization + "\r\n"))) {
                    client->write("HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"CUPS\"\r\n"
                                  "Content-Length: 0\r\nConnection: close\r\n\r\n");
                    client->disconnectFromHost();
                    return;
                }
                ++authorized;
                client->setProperty("checked", true);
                data = head;
            }
            // The password is this server's: the scheduler behind it wants none.
            toScheduler->write(data.replace(QByteArray("Authorization: " + m_authorization + "\r\n"), ""));
        });
        connect(toScheduler, &QTcpSocket::readyRead, client, [this, client, toScheduler] {
            QTimer::singleShot(m_delay, client, [client, answer = toScheduler->readAll()] { client->write(answer); });
        });
        connect(toScheduler, &QTcpSocket::disconnected, client, [this, client] {
            QTimer::singleShot(m_delay, client, [client] { client->disconnectFromHost(); });
        });
    }

    std::chrono::milliseconds m_delay;
    QByteArray m_authorization;
};

// The document that the scheduler was handed for the job, as it keeps it.
QString spooledDocument(int job)
{
    return cupsFolder + u"/spool/d%1-001"_s.arg(job, 5, 10, QChar(u'0'));
}

// What the scheduler made of a job's request: its queue and the options it prints with.
QStringList jobOptions(int job)
{
    static const char *const wanted[] = {"job-printer-uri", "media", "media-col", "sides", "orientation-requested",
                                         "number-up", "print-color-mode", "finishings", "copies"};
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, "ipp://localhost/");
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(wanted)), nullptr,
                  wanted);
    ipp_t *answer = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QStringList options;
    for (const char *name : wanted) {
        char value[1024] = "";
        if (ipp_attribute_t *attribute = ippFindAttribute(answer, name, IPP_TAG_ZERO))
            ippAttributeString(attribute, value, sizeof value);
        options << u"%1=%2"_s.arg(QLatin1StringView(name), QString::fromUtf8(value));
    }
    ippDelete(answer);
    return options;
}

QProgressDialog *shownProgress()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QProgressDialog *>(window); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

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

    // Presses Print and waits until the print system has the document, or never will.
    static void print()
    {
        printButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(printButton()->isEnabled(), 20'000);
    }
    // The jobs that appeared since, once there is one, oldest first.
    static QList<int> newJobs(const QList<int> &before)
    {
        QList<int> added;
        if (!QTest::qWaitFor([&] {
                added = jobIds();
                added.removeIf([&before](int id) { return before.contains(id); });
                return !added.isEmpty();
            }, 20'000))
            return {};
        std::sort(added.begin(), added.end());
        return added;
    }
    static int newJob(const QList<int> &before)
    {
        const QList<int> added = newJobs(before);
        return added.size() == 1 ? added.first() : -1;
    }
    // The receipt as the preview that openPreview() fills prints it, line by line.
    static QStringList openedReceipt()
    {
        return {u"Receipt Form"_s, LocaleFormat::shortDate(QDate::currentDate()), u"Paid to the order of: Zoë's Supplies"_s,
                u"1 Main St"_s, u"Springfield IL 62701"_s, u"Paid by: Cash"_s, u"In the Amount of: $1,234.50"_s,
                u"From: Ada Lovelace"_s, u"12 Elm"_s, u"Shelbyville KY 40065"_s};
    }

private slots:
    // Each test prints through the scheduler that CTest starts, but the one that finds no
    // printing module.
    void init()
    {
        if (cupsFolder.isEmpty() && QByteArrayView(QTest::currentTestFunction()) != "printingModuleMissing")
            QSKIP("runs under CTest, which starts the tests' own CUPS scheduler");
        WindowTestCase::init();
    }

    void enterPrintsTheReceiptOnThePrintersPaper_data()
    {
        QTest::addColumn<QByteArray>("printer");
        QTest::addColumn<QSizeF>("paper"); // in points
        QTest::newRow("default printer, naming no paper: the locale's") << QByteArray() << QSizeF(612, 792);
        QTest::newRow("US Letter by default") << "QuorvelLetter"_ba << QSizeF(612, 792);
        QTest::newRow("A4 by default") << "QuorvelA4"_ba << QSizeF(595, 842);
    }

    void enterPrintsTheReceiptOnThePrintersPaper()
    {
        QFETCH(QByteArray, printer);
        QFETCH(QSizeF, paper);
        const TestSupport::ScopedVariable destination("LPDEST", printer); // none where null
        openPreview();
        const QList<int> before = jobIds();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const int job = newJob(before);
        QVERIFY(job > 0);
        QVERIFY2(TestSupport::errorReports().isEmpty(), qPrintable(TestSupport::errorReportText()));
        // Each printed line that holds text, in order; runs of spaces are folded to one.
        QCOMPARE(printedText(printedDocument(job)), openedReceipt());
        QCOMPARE(SharedInstance<QVRP>::get().state(), WindowLifecycle::State::Shown);

        const auto [page, lines] = printedLayout(printedDocument(job));
        QCOMPARE(page.toSize(), paper.toSize());
        // The ten lines that hold text lie in these of the fifteen line slots, one 14-point
        // line height apart from the date on: the empty lines are gaps in their places.
        const int lineSlot[] = {0, 2, 4, 5, 6, 8, 9, 11, 12, 14};
        QCOMPARE(lines.size(), qsizetype(std::size(lineSlot)));
        const qreal body = (lines.last().box.top() - lines.at(1).box.top()) / 12;
        for (qsizetype i = 1; i < lines.size(); ++i)
            QVERIFY2(qAbs(lines.at(i).box.top() - lines.at(1).box.top() - (lineSlot[i] - 2) * body) < 0.5,
                     qPrintable(lines.at(i).text));
        // The heading is set at 20 points and the rest at 14: so are its letters and its line.
        QVERIFY(qAbs(lines.first().box.height() / lines.at(1).box.height() - 20.0 / 14) < 0.05);
        QVERIFY(qAbs(lines.at(1).box.top() - lines.first().box.top() - body * (1 + 20.0 / 14)) < 1);
        // The lines that start with a caption start at the printable area's edge, a quarter inch in.
        for (qsizetype i : {0, 1, 2, 5, 6, 7})
            QVERIFY2(lines.at(i).box.left() >= 18 && lines.at(i).box.left() < 20, qPrintable(lines.at(i).text));

        // The text layer holds the characters that were printed: spaces, not tabs, and no
        // ligature for the "fi" of "Springfield".
        const QString characters = textLayerCharacters(job);
        QVERIFY(characters.contains(u'S') && characters.contains(u' '));
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
        print();
        QVERIFY2(TestSupport::errorReports().isEmpty(), qPrintable(TestSupport::errorReportText()));
        const int job = newJob(before);
        const QString t = comparable(text);
        const QStringList expected{u"Receipt Form"_s, LocaleFormat::shortDate(QDate::currentDate()),
                                   comparable(u"Paid to the order of: "_s + text), t, comparable(text + u' ' + text + u' ' + text),
                                   u"Paid by:"_s, comparable(u"In the Amount of: "_s + text),
                                   comparable(u"From: "_s + text + u' ' + text), t, t, comparable(text + u' ' + text + u' ' + text)};
        const QStringList printed = printedText(printedDocument(job));
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

    // A line is a left-to-right row of its items, whatever script a value is in: a value in
    // a right-to-left script keeps its own order in its place, and the words of the page
    // read back with the spaces between them in a second reader too.
    void rightToLeftValuesKeepTheirPlaces()
    {
        const QString cairo = u"\u03A9\u03BC\u03AD\u03B3\u03B1 \u0627\u0644\u0642\u0627\u0647\u0631\u0629"_s;
        TestSupport::storeIssuer({cairo, u"1 Main St"_s, u"\u0645\u0631\u062D\u0628\u0627"_s, u"IL"_s, u"62701"_s});
        SharedInstance<QV1>::get().window()->findChild<QPushButton *>(u"Command1"_s)->click();
        const QList<int> before = jobIds();
        print();
        const int job = newJob(before);
        const auto [page, lines] = printedLayout(printedDocument(job));
        QVERIFY(lines.size() > 4);
        const PrintedLineBox &street = lines.at(3);
        const PrintedLineBox &city = lines.at(4);
        QVERIFY2(qAbs(city.box.left() - street.box.left()) < 1, qPrintable(city.text));
        QVERIFY2(city.text.endsWith(u" IL 62701"_s), qPrintable(city.text));
        QVERIFY(comparable(runClient(u"mutool"_s, {u"draw"_s, u"-F"_s, u"txt"_s, printedDocument(job)})).contains(cairo));
        // Arabic letters are joined: the alef of القاهرة in its form joined to the letter before.
        QVERIFY(textLayerCharacters(job).contains(u'\uFE8E'));

        // On an Arabic page, which runs from the right, a Latin value still reads as typed, and
        // the address lines end at the same right edge.
        Languages::use(u"ar"_s);
        const auto english = qScopeGuard([] { Languages::use(QString()); });
        const QList<int> beforeArabic = jobIds();
        print();
        const QString arabic = printedDocument(newJob(beforeArabic));
        QVERIFY2(printedText(arabic).contains(u"1 Main St"_s), qPrintable(printedText(arabic).join(u'|')));
        const QList<PrintedLineBox> mirrored = printedLayout(arabic).second;
        QVERIFY(mirrored.size() > 4 && qAbs(mirrored.at(3).box.right() - mirrored.at(4).box.right()) < 1);
    }

    // Print goes where lp with no -d goes, with what lp sends, and lays the page out on the
    // paper the job will print on: every line whole. The person's own lpoptions are in a
    // home of the test's own; lp prints the same document in the same set-up beside it.
    void printsWhereAndAsLpPrints_data()
    {
        QTest::addColumn<QByteArray>("lpoptions");
        QTest::addColumn<QByteArray>("lpdest");
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("media"); // the job's, as the scheduler took it
        QTest::addColumn<QSizeF>("paper");  // in points, upright
        QTest::newRow("lpoptions: Letter, two-sided")
                << "Dest QuorvelA4 media=Letter sides=two-sided-long-edge\nDefault QuorvelA4\n"_ba << QByteArray()
                << u"QuorvelA4"_s << u"Letter"_s << QSizeF(612, 792);
        QTest::newRow("instance as the default") << "Dest QuorvelA4/receipts media=A5\nDefault QuorvelA4/receipts\n"_ba
                                                 << QByteArray() << u"QuorvelA4"_s << u"A5"_s << QSizeF(420, 595);
        QTest::newRow("LPDEST names an instance") << "Dest QuorvelA4/receipts media=A5\n"_ba << "QuorvelA4/receipts"_ba
                                                  << u"QuorvelA4"_s << u"A5"_s << QSizeF(420, 595);
        QTest::newRow("class of an A4 printer") << "Default QuorvelClass\n"_ba << QByteArray() << u"QuorvelClass"_s
                                                << QString() << QSizeF(595, 842);
        QTest::newRow("queue forwarding to an A4 printer") << "Default QuorvelForward\n"_ba << QByteArray()
                                                           << u"QuorvelForward"_s << QString() << QSizeF(595, 842);
        QTest::newRow("PPD printer, A5 with margins") << "Default QuorvelPPD\n"_ba << QByteArray() << u"QuorvelPPD"_s
                                                      << u"iso_a5_148x210mm"_s << QSizeF(420, 595);
        QTest::newRow("landscape by default") << "Default QuorvelLandscape\n"_ba << QByteArray() << u"QuorvelLandscape"_s
                                              << u"iso_a4_210x297mm"_s << QSizeF(595, 842);
        QTest::newRow("80 mm receipt roll") << "Default QuorvelRoll80\n"_ba << QByteArray() << u"QuorvelRoll80"_s
                                            << u"custom_roll_80x297mm"_s << QSizeF(227, 842);
    }

    void printsWhereAndAsLpPrints()
    {
        QFETCH(QByteArray, lpoptions);
        QFETCH(QByteArray, lpdest);
        QFETCH(QString, queue);
        QFETCH(QString, media);
        QFETCH(QSizeF, paper);
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(u".cups"_s));
        QFile options(home.filePath(u".cups/lpoptions"_s));
        QVERIFY(options.open(QIODevice::WriteOnly) && options.write(lpoptions) == lpoptions.size());
        options.close();
        const TestSupport::ScopedVariable person("HOME", home.path().toLocal8Bit());
        const TestSupport::ScopedVariable destination("LPDEST", lpdest);
        openPreview();
        QList<int> before = jobIds();
        print();
        QVERIFY2(TestSupport::errorReports().isEmpty(), qPrintable(TestSupport::errorReportText()));
        // A queue that forwards the job makes a second one where it forwards it: the first is ours.
        const int receipt = newJobs(before).value(0, -1);
        QVERIFY(receipt > 0);
        before = jobIds();
        runClient(u"lp"_s, {spooledDocument(receipt)});
        const int lp = newJobs(before).value(0, -1);
        QVERIFY(lp > 0);
        const QStringList sent = jobOptions(receipt);
        QCOMPARE(sent, jobOptions(lp));
        QVERIFY2(sent.first().endsWith(u'/' + queue), qPrintable(sent.first()));
        QVERIFY2(sent.at(1) == u"media="_s + media, qPrintable(sent.at(1)));

        // The page is the paper, upright, and holds every line whole, inside the paper.
        const auto [page, lines] = printedLayout(spooledDocument(receipt));
        QCOMPARE(page.toSize(), paper.toSize());
        for (const PrintedLineBox &line : lines)
            QVERIFY2(line.box.right() <= paper.width(), qPrintable(line.text));
        QCOMPARE(printedText(spooledDocument(receipt)), openedReceipt());
    }

    // Through a print server that takes its time to answer, or that wants a password: the
    // password is asked in a window of the program with the user name filled in, a wrong one
    // asks again, the time spent typing does not count against the deadline (2 s here), and
    // Cancel ends the Print with nothing printed and nothing reported.
    void printsThroughASlowOrGuardedServer_data()
    {
        QTest::addColumn<int>("delay");            // each answer held, in milliseconds
        QTest::addColumn<QStringList>("passwords"); // typed in turn; none: Cancel
        QTest::addColumn<bool>("printed");
        QTest::newRow("answers held 0.3 s") << 300 << QStringList() << true;
        QTest::newRow("answers held 0.4 s") << 400 << QStringList() << true;
        QTest::newRow("password") << 0 << QStringList{u"secret"_s} << true;
        QTest::newRow("wrong password, then the right one") << 0 << QStringList{u"wrong"_s, u"secret"_s} << true;
        QTest::newRow("password declined") << 0 << QStringList{QString()} << false;
    }

    void printsThroughASlowOrGuardedServer()
    {
        QFETCH(int, delay);
        QFETCH(QStringList, passwords);
        QFETCH(bool, printed);
        const QByteArray user = cupsUser();
        SchedulerProxy proxy(std::chrono::milliseconds(delay), passwords.isEmpty() ? QByteArray() : user + ":secret");
        const QList<int> before = jobIds();
        QStringList asked; // the user name each question showed
        QTimer answering;
        connect(&answering, &QTimer::timeout, this, [&] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() != u"PrintPassword"_s || !window->isVisible() || passwords.isEmpty())
                    continue;
                const QList<QLineEdit *> fields = window->findChildren<QLineEdit *>();
                asked << fields.first()->text();
                QCOMPARE(fields.last()->echoMode(), QLineEdit::Password);
                const QString password = passwords.takeFirst();
                fields.last()->setText(password);
                const auto *buttons = window->findChild<QDialogButtonBox *>();
                QTest::qWait(password == u"secret"_s ? 2'500 : 0); // typing, longer than the deadline
                buttons->button(password.isEmpty() ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
            }
        });
        answering.start(20);
        {
            const TestSupport::ScopedVariable address("CUPS_SERVER", proxy.address());
            // The slow server has the deadline of every Print.
            auto *job = new PrintJob(delay > 0 ? PrintJob::sendLimit : 2s);
            QSignalSpy ended(job, &PrintJob::sendingEnded);
            printReceipt(Receipt{}, u"12/8/2026"_s, *job);
            QVERIFY(ended.wait(20'000));
        }
        QVERIFY2(TestSupport::errorReports().isEmpty(), qPrintable(TestSupport::errorReportText()));
        QVERIFY(passwords.isEmpty());
        QCOMPARE(asked, QStringList(asked.size(), QString::fromUtf8(user)));
        QCOMPARE(proxy.authorized > 0, printed && asked.size() > 0);
        if (printed)
            QVERIFY(!newJobs(before).isEmpty());
        else
            QCOMPARE(jobIds(), before);
    }

    void printTwicePrintsTwoDocuments()
    {
        openPreview();
        const qsizetype before = jobIds().size();
        print();
        print();
        QTRY_COMPARE_WITH_TIMEOUT(jobIds().size(), before + 2, 20'000);
        QVERIFY(TestSupport::errorReports().isEmpty());
    }

    void abandonedDocumentQueuesNothing()
    {
        const QList<int> before = jobIds();
        {
            PrintJob job;
            job.setFontSize(20);
            job.printLine({u"half a receipt"_s});
        }
        QTest::qWait(500);
        QCOMPARE(jobIds(), before);
    }

    // What goes wrong on the way is reported, naming what happened, within the deadline of
    // the whole wait (2 seconds here) or while the job is followed; the windows go on
    // answering all the while.
    void troubleIsReported_data()
    {
        QTest::addColumn<QString>("server"); // a misbehaving server, or the tests' own with LPDEST
        QTest::addColumn<QByteArray>("printer");
        QTest::addColumn<QString>("report");
        QTest::addColumn<bool>("pausedWhilePrinting"); // cupsdisable once the printer prints the receipt
        QTest::newRow("nothing listens") << u"nothing"_s << QByteArray() << u"cannot be reached."_s << false;
        QTest::newRow("silent") << u"silent"_s << QByteArray() << u"did not answer within 2 seconds"_s << false;
        QTest::newRow("garbage") << u"garbage"_s << QByteArray() << u"sent an answer that could not be read"_s << false;
        QTest::newRow("silent after one answer") << u"stalling"_s << QByteArray() << u"did not answer within 2 seconds"_s << false;
        QTest::newRow("a byte at a time") << u"dribbling"_s << QByteArray() << u"did not answer within 2 seconds"_s << false;
        QTest::newRow("closing halfway") << u"closing"_s << QByteArray() << u"closed the connection before it answered"_s << false;
        QTest::newRow("stopped queue") << QString() << "QuorvelStopped"_ba
                                       << u"\u201CQuorvelStopped\u201D is stopped: Paused for a new toner cartridge"_s << false;
        QTest::newRow("queue taking no jobs") << QString() << "QuorvelRejecting"_ba
                                              << u"\u201CQuorvelRejecting\u201D does not accept jobs: Closed for the holidays"_s << false;
        QTest::newRow("printer failing, job aborted") << QString() << "QuorvelAborting"_ba << u"gave up the receipt"_s << false;
        QTest::newRow("printer failing, queue stopped") << QString() << "QuorvelJamming"_ba
                                                        << u"stopped, and the receipt waits in its queue"_s << false;
        QTest::newRow("printer's filter failing, job stopped") << QString() << "QuorvelStopping"_ba
                                                               << u"\u201CQuorvelStopping\u201D stopped printing the receipt"_s << false;
        QTest::newRow("silent after reconnecting") << u"reconnecting"_s << QByteArray()
                                                   << u"did not answer within 2 seconds"_s << false;
        QTest::newRow("paused while printing")
                << QString() << "QuorvelSlow"_ba
                << u"\u201CQuorvelSlow\u201D was paused; the receipt waits in its queue: paused"_s << true;
    }

    void troubleIsReported()
    {
        QFETCH(QString, server);
        QFETCH(QByteArray, printer);
        QFETCH(QString, report);
        QFETCH(bool, pausedWhilePrinting);
        MisbehavingServer misbehaving(server);
        const TestSupport::ScopedVariable destination("LPDEST", printer);
        const TestSupport::ScopedVariable address("CUPS_SERVER", server == u"nothing" ? "127.0.0.1:9"_ba
                                                   : server.isEmpty()    ? qgetenv("CUPS_SERVER")
                                                                         : misbehaving.address());
        int ticks = 0;
        QTimer clock;
        connect(&clock, &QTimer::timeout, this, [&ticks] { ++ticks; });
        clock.start(50);
        QElapsedTimer waited;
        waited.start();
        auto *job = new PrintJob(2s);
        QSignalSpy ended(job, &PrintJob::sendingEnded);
        printReceipt(Receipt{}, u"12/8/2026"_s, *job);
        QVERIFY(ended.wait(5'000));
        QVERIFY2(waited.elapsed() < 3'000, qPrintable(QString::number(waited.elapsed())));
        const auto enabled = qScopeGuard([&] {
            if (pausedWhilePrinting)
                runClient(u"cupsenable"_s, {QString::fromLatin1(printer)});
        });
        if (pausedWhilePrinting) {
            QTRY_VERIFY_WITH_TIMEOUT(runClient(u"lpstat"_s, {u"-p"_s, QString::fromLatin1(printer)}).contains(u"now printing"_s), 10'000);
            runClient(u"cupsdisable"_s, {QString::fromLatin1(printer)});
        }
        QTRY_VERIFY_WITH_TIMEOUT(!TestSupport::errorReportText().isEmpty(), 10'000);
        QVERIFY2(TestSupport::errorReportText().contains(report), qPrintable(TestSupport::errorReportText()));
        QVERIFY(TestSupport::errorReportText().startsWith(u"Printing the receipt failed."_s));
        QVERIFY2(ticks >= waited.elapsed() / 100, qPrintable(u"%1 ticks in %2 ms"_s.arg(ticks).arg(waited.elapsed())));
    }

    // The preview says that it is printing, and a wait that lasts can be cancelled: nothing
    // is reported, nothing prints, and Print can be pressed again.
    void aWaitCanBeCancelled()
    {
        openPreview();
        MisbehavingServer silent(u"silent"_s);
        const TestSupport::ScopedVariable address("CUPS_SERVER", silent.address());
        printButton()->click();
        QVERIFY(!printButton()->isEnabled());
        QCOMPARE(printButton()->text(), u"Printing\u2026"_s);
        QProgressDialog *progress = nullptr;
        QTRY_VERIFY((progress = shownProgress()));
        QCOMPARE(progress->findChild<QProgressBar *>()->accessibleName(), u"Sending the receipt"_s);
        QElapsedTimer cancelled;
        cancelled.start();
        progress->findChild<QPushButton *>()->click();
        QTRY_VERIFY(printButton()->isEnabled());
        QVERIFY(cancelled.elapsed() < 1'000);
        QCOMPARE(printButton()->text(), u"Print"_s);
        QVERIFY(TestSupport::errorReports().isEmpty());
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
