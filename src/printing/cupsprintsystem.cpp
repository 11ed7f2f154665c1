// SPDX-License-Identifier: MIT
#include "cupsprintsystem.h"

#include "cupsconnection.h"
#include "pdfpage.h"

#include <QLocale>
#include <QPageLayout>
#include <QSizeF>

#include <cups/pwg.h>

namespace {

struct DestDeleter
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDeleter>;

struct DestInfoDeleter
{
    void operator()(cups_dinfo_t *info) const { cupsFreeDestInfo(info); }
};
using DestInfo = std::unique_ptr<cups_dinfo_t, DestInfoDeleter>;

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

bool refused(ipp_status_t status)
{
    return status > IPP_STATUS_OK_EVENTS_COMPLETE;
}

QString lastMessage()
{
    return QString::fromUtf8(cupsLastErrorString());
}

ipp_t *requestFor(ipp_op_t operation, const QByteArray &printerUri, std::initializer_list<const char *> wanted)
{
    ipp_t *request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(wanted.size()), nullptr,
                  wanted.begin());
    return request;
}

QByteArray option(const cups_dest_t *dest, const char *name)
{
    return cupsGetOption(name, dest->num_options, dest->options);
}

// The destination that lp with no -d prints to, with the options lp would send: LPDEST,
// PRINTER, the system's and then the person's lpoptions (an instance's options included),
// else the server's default.
Dest chosenDestination(CupsConnection &connection)
{
    if (Dest dest{cupsGetNamedDest(connection.http(), nullptr, nullptr)})
        return dest;
    connection.failIfUnanswered();
    const QString why = lastMessage();
    if (cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)
        failPrinting(CupsPrintSystem::tr("The print system at %1 did not name its default printer: %2")
                             .arg(CupsConnection::server(), why));
    // The person may have chosen a printer that the print system only offers, found on the
    // network, and that becomes a queue when it is first printed to: it is among the
    // destinations that libcups lists.
    cups_dest_t *listed = nullptr;
    const int count = cupsGetDests2(connection.http(), &listed);
    const cups_dest_t *offered = cupsGetDest(nullptr, nullptr, count, listed);
    cups_dest_t *copy = nullptr;
    if (offered)
        cupsCopyDest(const_cast<cups_dest_t *>(offered), 0, &copy);
    cupsFreeDests(count, listed);
    if (!copy)
        failPrinting(CupsPrintSystem::tr("No default printer is set up at the print system at %1: %2 Choose one "
                                         "(lpstat -d shows it).")
                             .arg(CupsConnection::server(), why));
    return Dest(copy);
}

// What the printer supports and its defaults. A destination that is not a queue yet is made
// into one here, as lp makes it.
DestInfo destinationInfo(CupsConnection &connection, cups_dest_t *dest)
{
    DestInfo info{cupsCopyDestInfo(connection.http(), dest)};
    if (info)
        return info;
    connection.failIfUnanswered();
    failPrinting(CupsPrintSystem::tr("The print system at %1 does not know the printer \u201C%2\u201D: %3")
                         .arg(CupsConnection::server(), QString::fromUtf8(dest->name), lastMessage()));
}

// The printer's state, once it is known to take jobs now.
void checkReady(CupsConnection &connection, const QByteArray &printerUri, const QString &printer)
{
    const Ipp attributes = connection.request(
            requestFor(IPP_OP_GET_PRINTER_ATTRIBUTES, printerUri,
                       {"printer-state", "printer-state-message", "printer-state-reasons", "printer-is-accepting-jobs"}));
    if (refused(ippGetStatusCode(attributes.get())))
        failPrinting(CupsPrintSystem::tr("The print system at %1 does not know the printer \u201C%2\u201D: %3")
                             .arg(CupsConnection::server(), printer, lastMessage()));
    const QString why = reason(attributes.get(), "printer-state-message", "printer-state-reasons");
    if (!attributeInteger(attributes.get(), "printer-is-accepting-jobs", true))
        failPrinting(CupsPrintSystem::tr("The printer \u201C%1\u201D does not accept jobs: %2").arg(printer, why));
    if (attributeInteger(attributes.get(), "printer-state", IPP_PSTATE_IDLE) == IPP_PSTATE_STOPPED)
        failPrinting(CupsPrintSystem::tr("The printer \u201C%1\u201D is stopped: %2").arg(printer, why));
}

// A paper in hundredths of a millimetre, upright: the print system turns the page where the
// job asks for another orientation.
QPageLayout paperLayout(QSizeF size, QMarginsF margins)
{
    return QPageLayout(QPageSize(size / 100, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                       QPageLayout::Portrait, margins / 100, QPageLayout::Millimeter);
}

// A quarter inch, where the printer does not say what it cannot print on.
constexpr int usualMargin = 635;
const QMarginsF usualMargins(usualMargin, usualMargin, usualMargin, usualMargin);

// The paper that the destination names: the job's media (the person's choice, else the
// printer's default as the destination reports it), else the printer's default paper with its
// margins, else its default media. Nothing where it names none, as classes and queues that
// forward to another server do.
std::optional<QPageLayout> namedPaper(http_t *http, cups_dest_t *dest, cups_dinfo_t *info)
{
    QByteArray media = option(dest, "media");
    if (media.isEmpty()) {
        ipp_attribute_t *defaultCol = cupsFindDestDefault(http, dest, info, "media-col");
        ipp_t *col = defaultCol ? ippGetCollection(defaultCol, 0) : nullptr;
        if (ipp_t *dimensions = col ? collection(col, "media-size") : nullptr) {
            const QSizeF size(attributeInteger(dimensions, "x-dimension", 0), attributeInteger(dimensions, "y-dimension", 0));
            const QMarginsF margins(attributeInteger(col, "media-left-margin", usualMargin),
                                    attributeInteger(col, "media-top-margin", usualMargin),
                                    attributeInteger(col, "media-right-margin", usualMargin),
                                    attributeInteger(col, "media-bottom-margin", usualMargin));
            if (!size.isEmpty())
                return paperLayout(size, margins);
        }
        ipp_attribute_t *defaultMedia = cupsFindDestDefault(http, dest, info, "media");
        media = defaultMedia ? QByteArray(ippGetString(defaultMedia, 0, nullptr)) : QByteArray();
    }
    if (media.isEmpty())
        return std::nullopt;
    // A name as IPP, as older IPP or as PPD files write it (lpoptions' media=A5).
    const pwg_media_t *known = pwgMediaForPWG(media.constData());
    if (!known)
        known = pwgMediaForLegacy(media.constData());
    if (!known)
        known = pwgMediaForPPD(media.constData());
    if (!known)
        return std::nullopt;
    const QSizeF size(known->width, known->length);
    // The printer's own margins for that paper, where it lists the paper.
    cups_size_t listed;
    if (cupsGetDestMediaByName(http, dest, info, media.constData(), CUPS_MEDIA_FLAGS_DEFAULT, &listed)
        && QSizeF(listed.width, listed.length) == size)
        return paperLayout(size, QMarginsF(listed.left, listed.top, listed.right, listed.bottom));
    return paperLayout(size, usualMargins);
}

// The paper of the printer that will print for a class (its first member) or for a queue that
// forwards jobs to another print server (the printer there).
std::optional<QPageLayout> printingPrinterPaper(CupsConnection &connection, const PrintWait &wait, cups_dest_t *dest,
                                                const QByteArray &printerUri)
{
    try {
        const Ipp members = connection.request(requestFor(IPP_OP_GET_PRINTER_ATTRIBUTES, printerUri, {"member-names"}));
        ipp_attribute_t *names = ippFindAttribute(members.get(), "member-names", IPP_TAG_NAME);
        if (names) {
            const Dest member{cupsGetNamedDest(connection.http(), ippGetString(names, 0, nullptr), nullptr)};
            const DestInfo info{member ? cupsCopyDestInfo(connection.http(), member.get()) : nullptr};
            return info ? namedPaper(connection.http(), member.get(), info.get()) : std::nullopt;
        }
        const QByteArray device = option(dest, "device-uri");
        char scheme[32], user[256], host[256], resource[1024];
        int port = 0;
        if (httpSeparateURI(HTTP_URI_CODING_ALL, device.constData(), scheme, sizeof scheme, user, sizeof user, host,
                            sizeof host, &port, resource, sizeof resource)
                    < HTTP_URI_STATUS_OK
            || (qstrcmp(scheme, "ipp") != 0 && qstrcmp(scheme, "ipps") != 0))
            return std::nullopt;
        CupsConnection remote(wait, host, port);
        const Dest printer{cupsGetDestWithURI(nullptr, device.constData())};
        const DestInfo info{printer ? cupsCopyDestInfo(remote.http(), printer.get()) : nullptr};
        return info ? namedPaper(remote.http(), printer.get(), info.get()) : std::nullopt;
    } catch (const Failure &) {
        // It cannot say: the paper is the one that nothing else names.
        return std::nullopt;
    }
}

// The paper the job will print on; the locale's only where nothing in the print system names
// one.
QPageLayout jobPaper(CupsConnection &connection, const PrintWait &wait, cups_dest_t *dest, cups_dinfo_t *info,
                     const QByteArray &printerUri)
{
    if (std::optional<QPageLayout> paper = namedPaper(connection.http(), dest, info))
        return *paper;
    if (std::optional<QPageLayout> paper = printingPrinterPaper(connection, wait, dest, printerUri))
        return *paper;
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait, usualMargins / 100,
                       QPageLayout::Millimeter);
}

// After a step of sending that failed: the server did not answer, or it refused the job.
[[noreturn]] void failSending(const CupsConnection &connection, const QString &printer, bool documentSent = false)
{
    connection.failIfUnanswered(documentSent);
    failPrinting(CupsPrintSystem::tr("The print system refused the receipt for \u201C%1\u201D: %2").arg(printer, lastMessage()));
}

// Hands the document over as a job with the destination's options, as lp sends them (libcups
// leaves out those that only describe the printer).
int sendJob(CupsConnection &connection, cups_dest_t *dest, cups_dinfo_t *info, const QString &title,
            const QByteArray &document)
{
    const QString printer = QString::fromUtf8(dest->name);
    const QByteArray name = title.toUtf8();
    int id = 0;
    if (refused(cupsCreateDestJob(connection.http(), dest, info, &id, name.constData(), dest->num_options, dest->options)))
        failSending(connection, printer);
    if (cupsStartDestDocument(connection.http(), dest, info, id, name.constData(), CUPS_FORMAT_PDF, 0, nullptr, 1)
                != HTTP_STATUS_CONTINUE
        || cupsWriteRequestData(connection.http(), document.constData(), size_t(document.size())) != HTTP_STATUS_CONTINUE) {
        cupsFinishDestDocument(connection.http(), dest, info);
        failSending(connection, printer);
    }
    if (refused(cupsFinishDestDocument(connection.http(), dest, info)))
        failSending(connection, printer, true);
    return id;
}

// One connection follows the job; where it breaks, the next look opens another.
class CupsJobWatch : public JobWatch
{
public:
    CupsJobWatch(const SentJob &job, const PrintWait &wait)
        : m_job(job)
        , m_wait(wait)
    {
    }

    JobProgress look() override
    {
        try {
            if (!m_connection)
                m_connection = std::make_unique<CupsConnection>(m_wait);
            return progress(*m_connection);
        } catch (...) {
            m_connection.reset();
            throw;
        }
    }

private:
    JobProgress progress(CupsConnection &connection) const
    {
        const QByteArray uri = m_job.printerUri.toUtf8();
        ipp_t *request = requestFor(IPP_OP_GET_JOB_ATTRIBUTES, uri, {"job-state", "job-state-reasons", "job-printer-state-message"});
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", m_job.id);
        const Ipp answer = connection.request(request);
        if (refused(ippGetStatusCode(answer.get())))
            failPrinting(lastMessage());
        const QString printer = m_job.printer;
        const QString why = reason(answer.get(), "job-printer-state-message", "job-state-reasons");
        switch (attributeInteger(answer.get(), "job-state", IPP_JSTATE_PENDING)) {
        case IPP_JSTATE_COMPLETED:
            return {true, QString()};
        case IPP_JSTATE_HELD:
            return {true, CupsPrintSystem::tr("The print system holds the receipt for \u201C%1\u201D: %2").arg(printer, why)};
        case IPP_JSTATE_STOPPED:
            return {true, CupsPrintSystem::tr("The printer \u201C%1\u201D stopped printing the receipt: %2").arg(printer, why)};
        case IPP_JSTATE_CANCELED:
            return {true, CupsPrintSystem::tr("The receipt for \u201C%1\u201D was cancelled: %2").arg(printer, why)};
        case IPP_JSTATE_ABORTED:
            return {true, CupsPrintSystem::tr("The print system gave up the receipt for \u201C%1\u201D: %2").arg(printer, why)};
        case IPP_JSTATE_PENDING:
            return waitingJob(connection, attributeText(answer.get(), "job-state-reasons").split(u','));
        default:
            return {false, QString()};
        }
    }

    // A job that waits may wait on a printer that stopped (it then says so), or that someone
    // paused while it printed (it then says only that it was printing): the printer itself
    // says which.
    JobProgress waitingJob(CupsConnection &connection, const QStringList &jobReasons) const
    {
        const Ipp printer = connection.request(requestFor(IPP_OP_GET_PRINTER_ATTRIBUTES, m_job.printerUri.toUtf8(),
                                                          {"printer-state", "printer-state-message", "printer-state-reasons"}));
        if (attributeInteger(printer.get(), "printer-state", IPP_PSTATE_IDLE) != IPP_PSTATE_STOPPED)
            return {false, QString()};
        const QString why = reason(printer.get(), "printer-state-message", "printer-state-reasons");
        if (jobReasons.contains(u"printer-stopped"))
            return {true, CupsPrintSystem::tr("The printer \u201C%1\u201D stopped, and the receipt waits in its queue: %2")
                                  .arg(m_job.printer, why)};
        return {true, CupsPrintSystem::tr("The printer \u201C%1\u201D was paused; the receipt waits in its queue: %2")
                              .arg(m_job.printer, why)};
    }

    const SentJob m_job;
    const PrintWait &m_wait;
    std::unique_ptr<CupsConnection> m_connection;
};

} // namespace

SentJob CupsPrintSystem::send(const PrintedPage &page, const PrintWait &wait) const
{
    CupsConnection connection(wait);
    const Dest dest = chosenDestination(connection);
    const QString printer = QString::fromUtf8(dest->name);
    const DestInfo info = destinationInfo(connection, dest.get());
    const QByteArray printerUri = option(dest.get(), "printer-uri-supported");
    checkReady(connection, printerUri, printer);
    const QString title = tr("Receipt");
    const QByteArray document = pdfPage(page, jobPaper(connection, wait, dest.get(), info.get(), printerUri), title);
    return {printer, QString::fromUtf8(printerUri), sendJob(connection, dest.get(), info.get(), title, document)};
}

std::unique_ptr<JobWatch> CupsPrintSystem::watch(const SentJob &job, const PrintWait &wait) const
{
    return std::make_unique<CupsJobWatch>(job, wait);
}
