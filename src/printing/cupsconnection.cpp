// SPDX-License-Identifier: MIT
#include "cupsconnection.h"

#include <QElapsedTimer>

#include <sys/socket.h>

using namespace std::chrono_literals;

namespace {

int seconds(std::chrono::milliseconds limit)
{
    return int(std::chrono::ceil<std::chrono::seconds>(limit).count());
}

QString noAnswerInTime(const PrintWait &wait)
{
    return CupsConnection::tr("The print system at %1 did not answer within %n seconds.", nullptr, seconds(wait.limit()))
            .arg(CupsConnection::server());
}

// How often the guard looks at the wait, and how long one attempt to connect may take
// before the wait is looked at again.
constexpr auto guardInterval = 20ms;
constexpr qint64 connectSliceMs = 250;

} // namespace

CupsConnection::CupsConnection(const PrintWait &wait, const QByteArray &host, int port)
    : m_wait(wait)
    , m_host(host)
    , m_port(port)
{
    connect();
    // libcups waits this long for each answer, and in places for each part of it without
    // asking again: the guard, not this timeout, ends a wait that is over.
    httpSetTimeout(
            m_http, seconds(wait.limit()),
            [](http_t *, void *wait) { return static_cast<const PrintWait *>(wait)->over() ? 0 : 1; },
            const_cast<PrintWait *>(&m_wait));
    m_guard = std::thread([this] {
        for (; !m_closing; std::this_thread::sleep_for(guardInterval)) {
            if (m_wait.over())
                shutDownServerSocket();
        }
    });
}

CupsConnection::~CupsConnection()
{
    m_closing = true;
    m_guard.join();
    httpClose(m_http);
}

QString CupsConnection::server()
{
    const QString host = QString::fromUtf8(cupsServer());
    return host.startsWith(u'/') ? host : QStringLiteral("%1:%2").arg(host).arg(ippPort());
}

void CupsConnection::connect()
{
    for (;;) {
        if (m_wait.cancelled())
            throw PrintCancelled();
        if (m_wait.expired())
            failPrinting(noAnswerInTime(m_wait));
        const int slice = int(qBound<qint64>(1, qint64(m_wait.remaining().count()), connectSliceMs));
        QElapsedTimer attempt;
        attempt.start();
        m_http = httpConnect2(m_host.constData(), m_port, nullptr, AF_UNSPEC, cupsEncryption(), 1, slice, nullptr);
        if (m_http)
            return;
        // Refused, or no such host or socket: no amount of waiting helps. (libcups names no
        // true reason for it.)
        if (attempt.elapsed() < slice)
            failPrinting(CupsConnection::tr("The print system at %1 cannot be reached.").arg(server()));
    }
}

// On the guard's thread, while libcups may be replacing the socket on the print thread: the
// number read may already be closed, or even belong to another file. Only a socket that is
// connected to the server's address is shut down; any other file is left alone.
void CupsConnection::shutDownServerSocket() const
{
    const int socket = httpGetFd(m_http);
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    if (socket < 0 || ::getpeername(socket, reinterpret_cast<sockaddr *>(&peer), &length) != 0)
        return;
    http_addr_t *serverAddress = httpGetAddress(m_http);
    auto *peerAddress = reinterpret_cast<http_addr_t *>(&peer);
    if (serverAddress && httpAddrEqual(serverAddress, peerAddress)
        && (httpAddrFamily(peerAddress) == AF_LOCAL || httpAddrPort(serverAddress) == httpAddrPort(peerAddress)))
        ::shutdown(socket, SHUT_RDWR);
}

http_t *CupsConnection::http()
{
    // libcups keeps the password callback per thread: this connection's is set for each call.
    cupsSetPasswordCB2(&CupsConnection::answerPassword, this);
    return m_http;
}

// libcups asks again after the server refused a password twice; an empty answer ends it.
const char *CupsConnection::answerPassword(const char *, http_t *, const char *, const char *, void *connection)
{
    auto *self = static_cast<CupsConnection *>(connection);
    const std::optional<PrintLogin> login =
            self->m_wait.askLogin(QString::fromUtf8(cupsUser()), server(), self->m_asked++ > 0);
    if (!login) {
        self->m_declined = true;
        return nullptr;
    }
    cupsSetUser(login->user.toUtf8().constData());
    self->m_password = login->password.toUtf8();
    return self->m_password.constData();
}

void CupsConnection::failIfUnanswered(bool documentSent) const
{
    if (httpGetStatus(m_http) != HTTP_STATUS_OK || cupsLastError() == IPP_STATUS_ERROR_INTERNAL)
        fail(documentSent);
}

Ipp CupsConnection::request(ipp_t *request, const char *resource)
{
    if (m_wait.over())
        ippDelete(request);
    else if (Ipp answer{cupsDoRequest(http(), request, resource)})
        return answer;
    fail();
}

void CupsConnection::fail(bool documentSent) const
{
    if (m_declined || m_wait.cancelled())
        throw PrintCancelled();
    if (m_wait.expired() && documentSent)
        failPrinting(CupsConnection::tr("The receipt went to the print system at %1, which did not confirm it "
                                        "within %n seconds. Look at the printer's queue (lpstat -o) before "
                                        "printing it again.",
                                        nullptr, seconds(m_wait.limit()))
                             .arg(server()));
    if (m_wait.expired())
        failPrinting(noAnswerInTime(m_wait));
    // libcups closes the socket when the other end has closed it; else the end is still
    // waiting to be read.
    const int socket = httpGetFd(m_http);
    char next = 0;
    if (socket < 0 || ::recv(socket, &next, 1, MSG_PEEK | MSG_DONTWAIT) == 0)
        failPrinting(CupsConnection::tr("The print system at %1 closed the connection before it answered.")
                             .arg(server()));
    const http_status_t status = httpGetStatus(m_http);
    if (status >= HTTP_STATUS_BAD_REQUEST && status != HTTP_STATUS_UNAUTHORIZED)
        failPrinting(CupsConnection::tr("The print system at %1 answered: %2")
                             .arg(server(), QString::fromUtf8(httpStatus(status))));
    failPrinting(CupsConnection::tr("The print system at %1 sent an answer that could not be read.")
                         .arg(server()));
}
