// SPDX-License-Identifier: MIT
#include "cupsprintsystem.h"

#include "cupsconnection.h"
#include "pdfpage.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QSizeF>

#include <cups/pwg.h>

namespace {

QString attributeText(ipp_t *ipp, const char *name)
{
    ipp_attribute_t *attribute = ippFindAttribute(ipp, name, IPP_TAG_ZERO);
    if (!attribute || ippGetValueTag(attribute) == IPP_TAG_NOVALUE)
        return QString();
    char text[1024];
    ippAttributeString(attribute, text, sizeof text); // several values joined by commas
    return QString::fromUtf8(text);
}

int attributeInteger(ipp_t *ipp, const char *name, int absent)
{
    ipp_attribute_t *attribute = ippFindAttribute(ipp, name, IPP_TAG_ZERO);
    const ipp_tag_t tag = attribute ? ippGetValueTag(attribute) : IPP_TAG_ZERO;
    if (tag == IPP_TAG_INTEGER || tag == IPP_TAG_ENUM || tag == IPP_TAG_BOOLEAN)
        return tag == IPP_TAG_BOOLEAN ? ippGetBoolean(attribute, 0) : ippGetInteger(attribute, 0);
    return absent;
}

ipp_t *collection(ipp_t *ipp, const char *name)
{
    ipp_attribute_t *attribute = ippFindAttribute(ipp, name, IPP_TAG_BEGIN_COLLECTION);
    return attribute ? ippGetCollection(attribute, 0) : nullptr;
}

// Why the print system says a printer or a job is as it is: its message, else its reasons.
QString reason(ipp_t *ipp, const char *message, const char *reasons)
{
    QString why = attributeText(ipp, message);
    if (why.isEmpty() || why == u"none")
        why = attributeText(ipp, reasons);
    return why.isEmpty() || why == u"none" ? CupsPrintSystem::tr("the print system gives no reason") : why;
}

bool refused(const Ipp &answer)
{
    return ippGetStatusCode(answer.get()) > IPP_STATUS_OK_EVENTS_COMPLETE;
}

QString statusMessage(const Ipp &answer)
{
    const QString message = attributeText(answer.get(), "status-message");
    return message.isEmpty() ? QString::fromUtf8(ippErrorString(ippGetStatusCode(answer.get()))) : message;
}

ipp_t *requestFor(ipp_op_t operation, const QString &printer, std::initializer_list<const char *> wanted = {})
{
    ipp_t *request = ippNewRequest(operation);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     printer.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    if (wanted.size() > 0)
        ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(wanted.size()),
                      nullptr, wanted.begin());
    return request;
}

// The default that the person chose, as lp and lpstat read it: LPDEST, PRINTER (but "lp"),
// else the Default line of their lpoptions, or of the system's.
QString chosenDefault()
{
    for (const char *variable : {"LPDEST", "PRINTER"}) {
        const QString name = qEnvironmentVariable(variable).section(u'/', 0, 0);
        if (!name.isEmpty() && name != u"lp")
            return name;
    }
    const QString serverRoot = qEnvironmentVariable("CUPS_SERVERROOT", QStringLiteral("/etc/cups"));
    const QStringList files{serverRoot + QStringLiteral("/lpoptions"),
                            QDir::homePath() + QStringLiteral("/.cups/lpoptions")};
    QString chosen;
    for (const QString &path : files) {
        QFile options(path);
        if (!options.open(QIODevice::ReadOnly))
            continue;
        while (!options.atEnd()) {
            const QStringList words = QString::fromUtf8(options.readLine()).simplified().split(u' ');
            if (words.size() >= 2 && words.first().compare(u"Default", Qt::CaseInsensitive) == 0)
                chosen = words.at(1).section(u'/', 0, 0);
        }
    }
    return chosen;
}

QString serverDefault(CupsConnection &connection)
{
    const Ipp answer = connection.request(ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), QStringLiteral("/"));
    const QString name = attributeText(answer.get(), "printer-name");
    if (ippGetStatusCode(answer.get()) == IPP_STATUS_ERROR_NOT_FOUND || (!refused(answer) && name.isEmpty()))
        failPrinting(CupsPrintSystem::tr("No default printer is set up at the print system at %1. Choose one "
                                         "(lpstat -d shows it).")
                             .arg(CupsConnection::server()));
    if (refused(answer))
        failPrinting(CupsPrintSystem::tr("The print system at %1 did not name its default printer: %2")
                             .arg(CupsConnection::server(), statusMessage(answer)));
    return name;
}

// The printer's attributes, once it is known to take jobs now.
Ipp readyPrinter(CupsConnection &connection, const QString &printer)
{
    Ipp attributes = connection.request(
            requestFor(IPP_OP_GET_PRINTER_ATTRIBUTES, printer,
                       {"printer-state", "printer-state-message", "printer-state-reasons", "printer-is-accepting-jobs",
                        "media-default", "media-col-default", "orientation-requested-default"}),
            QStringLiteral("/"));
    if (refused(attributes))
        failPrinting(CupsPrintSystem::tr("The print system at %1 does not know the printer \u201C%2\u201D: %3")
                             .arg(CupsConnection::server(), printer, statusMessage(attributes)));
    const QString why = reason(attributes.get(), "printer-state-message", "printer-state-reasons");
    if (!attributeInteger(attributes.get(), "printer-is-accepting-jobs", true))
        failPrinting(CupsPrintSystem::tr("The printer \u201C%1\u201D does not accept jobs: %2").arg(printer, why));
    if (attributeInteger(attributes.get(), "printer-state", IPP_PSTATE_IDLE) == IPP_PSTATE_STOPPED)
        failPrinting(CupsPrintSystem::tr("The printer \u201C%1\u201D is stopped: %2").arg(printer, why));
    return attributes;
}

// The printer's default paper, as the print system describes it (sizes in hundredths of a
// millimetre), in its default orientation, less the margins it cannot print on.
QPageLayout defaultPaper(ipp_t *printer)
{
    QSizeF size;
    QMarginsF margins(6.35, 6.35, 6.35, 6.35); // a quarter inch, where the printer does not say
    if (ipp_t *media = collection(printer, "media-col-default")) {
        if (ipp_t *dimensions = collection(media, "media-size"))
            size = QSizeF(attributeInteger(dimensions, "x-dimension", 0),
                          attributeInteger(dimensions, "y-dimension", 0))
                    / 100;
        const int left = attributeInteger(media, "media-left-margin", -1);
        if (left >= 0)
            margins = QMarginsF(left, attributeInteger(media, "media-top-margin", 0),
                                attributeInteger(media, "media-right-margin", 0),
                                attributeInteger(media, "media-bottom-margin", 0))
                    / 100;
    }
    if (size.isEmpty()) {
        const QByteArray keyword = attributeText(printer, "media-default").toUtf8();
        if (const pwg_media_t *media = pwgMediaForPWG(keyword.constData()))
            size = QSizeF(media->width, media->length) / 100;
    }
    // A printer that names no paper at all: the paper of the user's country.
    const QPageSize paper = size.isEmpty()
            ? QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                            : QPageSize::A4)
            : QPageSize(size, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    const int orientation = attributeInteger(printer, "orientation-requested-default", IPP_ORIENT_PORTRAIT);
    const bool landscape = orientation == IPP_ORIENT_LANDSCAPE || orientation == IPP_ORIENT_REVERSE_LANDSCAPE;
    return QPageLayout(paper, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, margins,
                       QPageLayout::Millimeter);
}

} // namespace

SentJob CupsPrintSystem::send(const PrintedPage &page, const PrintWait &wait) const
{
    CupsConnection connection(wait);
    QString printer = chosenDefault();
    if (printer.isEmpty())
        printer = serverDefault(connection);
    const Ipp attributes = readyPrinter(connection, printer);
    const QString title = tr("Receipt");
    ipp_t *request = requestFor(IPP_OP_PRINT_JOB, printer);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
    const Ipp answer = connection.request(request, QStringLiteral("/printers/") + printer,
                                          pdfPage(page, defaultPaper(attributes.get()), title));
    if (refused(answer))
        failPrinting(CupsPrintSystem::tr("The print system did not take the receipt for \u201C%1\u201D: %2")
                             .arg(printer, statusMessage(answer)));
    return {printer, attributeInteger(answer.get(), "job-id", 0)};
}

JobProgress CupsPrintSystem::progress(const SentJob &job, const PrintWait &wait) const
{
    CupsConnection connection(wait);
    ipp_t *request = requestFor(IPP_OP_GET_JOB_ATTRIBUTES, job.printer,
                                {"job-state", "job-state-reasons", "job-printer-state-message"});
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job.id);
    const Ipp answer = connection.request(request, QStringLiteral("/"));
    if (refused(answer))
        failPrinting(statusMessage(answer));
    const QString why = reason(answer.get(), "job-printer-state-message", "job-state-reasons");
    switch (attributeInteger(answer.get(), "job-state", IPP_JSTATE_PENDING)) {
    case IPP_JSTATE_COMPLETED:
        return {true, QString()};
    case IPP_JSTATE_HELD:
        return {true, CupsPrintSystem::tr("The print system holds the receipt for \u201C%1\u201D: %2")
                              .arg(job.printer, why)};
    case IPP_JSTATE_STOPPED:
        return {true, CupsPrintSystem::tr("The printer \u201C%1\u201D stopped printing the receipt: %2")
                              .arg(job.printer, why)};
    case IPP_JSTATE_CANCELED:
        return {true, CupsPrintSystem::tr("The receipt for \u201C%1\u201D was cancelled: %2").arg(job.printer, why)};
    case IPP_JSTATE_ABORTED:
        return {true, CupsPrintSystem::tr("The print system gave up the receipt for \u201C%1\u201D: %2")
                              .arg(job.printer, why)};
    default:
        break;
    }
    // A job waits in the queue of a printer that has stopped: say why the printer stopped.
    if (!attributeText(answer.get(), "job-state-reasons").contains(u"printer-stopped"))
        return {false, QString()};
    const Ipp printer = connection.request(
            requestFor(IPP_OP_GET_PRINTER_ATTRIBUTES, job.printer, {"printer-state-message", "printer-state-reasons"}),
            QStringLiteral("/"));
    return {true, CupsPrintSystem::tr("The printer \u201C%1\u201D stopped, and the receipt waits in its queue: %2")
                          .arg(job.printer, reason(printer.get(), "printer-state-message", "printer-state-reasons"))};
}
