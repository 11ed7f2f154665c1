// SPDX-License-Identifier: MIT
#include "cupsconnection.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

int seconds(const PrintWait &wait)
{
    return int(std::chrono::ceil<std::chrono::seconds>(wait.limit).count());
}

QString noAnswerInTime(const PrintWait &wait)
{
    return CupsConnection::tr("The print system at %1 did not answer within %n seconds.", nullptr, seconds(wait))
            .arg(CupsConnection::server());
}

// How often the guard looks at the wait, and how long one attempt to connect may take
// before the wait is looked at again.
constexpr auto guardInterval = 20ms;
constexpr qint64 connectSliceMs = 250;

} // namespace

CupsConnection::CupsConnection(const PrintWait &wait)
    : m_wait(wait)
{
    connect();
    // Asked whenever a read or write has waited this long in silence: it goes on waiting
    // while the wait allows. A connection that libcups opens anew is bounded this way too.
    httpSetTimeout(
            m_http, 0.2, [](http_t *, void *wait) { return static_cast<const PrintWait *>(wait)->over() ? 0 : 1; },
            const_cast<PrintWait *>(&m_wait));
    guard(httpGetFd(m_http));
    m_guard = std::thread([this] {
        while (!m_closing) {
            if (m_wait.over()) {
                const std::lock_guard lock(m_guarded);
                ::shutdown(m_guardedSocket, SHUT_RDWR);
                return;
            }
            std::this_thread::sleep_for(guardInterval);
        }
    });
}

CupsConnection::~CupsConnection()
{
    m_closing = true;
    m_guard.join();
    ::close(m_guardedSocket);
    httpClose(m_http);
}

QString CupsConnection::server()
{
    const QString host = QString::fromUtf8(cupsServer());
    return host.startsWith(u'/') ? host : QStringLiteral("%1:%2").arg(host).arg(ippPort());
}

void CupsConnection::connect()
{
    const QByteArray host = cupsServer();
    for (;;) {
        if (m_wait.cancelled)
            throw PrintCancelled();
        if (m_wait.deadline.hasExpired())
            failPrinting(noAnswerInTime(m_wait));
        const int slice = int(qBound<qint64>(1, m_wait.deadline.remainingTime(), connectSliceMs));
        QElapsedTimer attempt;
        attempt.start();
        m_http = httpConnect2(host.constData(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, slice, nullptr);
        if (m_http)
            return;
        // Refused, or no such host or socket: no amount of waiting helps. (libcups names no
        // true reason for it.)
        if (attempt.elapsed() < slice)
            failPrinting(CupsConnection::tr("The print system at %1 cannot be reached.").arg(server()));
    }
}

// The guard holds a duplicate of the socket: shutting it down ends the connection, and the
// number it holds can never belong to another file, whatever libcups does with its own.
void CupsConnection::guard(int socket)
{
    const std::lock_guard lock(m_guarded);
    if (m_guardedSocket >= 0)
        ::close(m_guardedSocket);
    m_guardedSocket = ::fcntl(socket, F_DUPFD_CLOEXEC, 0);
}

Ipp CupsConnection::request(ipp_t *request, const QString &resource, const QByteArray &document)
{
    const Ipp sent(request);
    if (m_wait.cancelled)
        throw PrintCancelled();
    const QByteArray path = resource.toUtf8();
    const int socket = httpGetFd(m_http);
    Ipp answer;
    bool documentSent = false;
    const size_t length = ippLength(request) + size_t(document.size());
    http_status_t status = cupsSendRequest(m_http, request, path.constData(), length);
    if (status == HTTP_STATUS_CONTINUE && !document.isEmpty()) {
        status = cupsWriteRequestData(m_http, document.constData(), size_t(document.size()));
        documentSent = status == HTTP_STATUS_CONTINUE;
    }
    // A server may answer at once, without asking for the rest of the request.
    if (status == HTTP_STATUS_CONTINUE || status == HTTP_STATUS_OK)
        answer.reset(cupsGetResponse(m_http, path.constData()));
    // libcups opens a new connection where the server closed the last one.
    if (httpGetFd(m_http) != socket && httpGetFd(m_http) >= 0)
        guard(httpGetFd(m_http));
    if (!answer)
        failRequest(documentSent);
    return answer;
}

void CupsConnection::failRequest(bool documentSent)
{
    if (m_wait.over() && documentSent)
        failPrinting(CupsConnection::tr("The receipt went to the print system at %1, which did not confirm it "
                                        "within %n seconds. Look at the printer's queue (lpstat -o) before "
                                        "printing it again.",
                                        nullptr, seconds(m_wait))
                             .arg(server()));
    if (m_wait.cancelled)
        throw PrintCancelled();
    if (m_wait.deadline.hasExpired())
        failPrinting(noAnswerInTime(m_wait));
    // libcups closes the socket when the other end has closed it; else the end is still
    // waiting to be read.
    const int socket = httpGetFd(m_http);
    char next = 0;
    if (socket < 0 || ::recv(socket, &next, 1, MSG_PEEK | MSG_DONTWAIT) == 0)
        failPrinting(CupsConnection::tr("The print system at %1 closed the connection before it answered.")
                             .arg(server()));
    if (httpGetStatus(m_http) >= HTTP_STATUS_BAD_REQUEST)
        failPrinting(CupsConnection::tr("The print system at %1 answered: %2")
                             .arg(server(), QString::fromUtf8(httpStatus(httpGetStatus(m_http)))));
    failPrinting(CupsConnection::tr("The print system at %1 sent an answer that could not be read.")
                         .arg(server()));
}
