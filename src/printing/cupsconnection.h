// SPDX-License-Identifier: MIT
#pragma once

#include "printout/printsystem.h"

#include <cups/cups.h>

#include <atomic>
#include <memory>
#include <thread>

struct IppDeleter
{
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// One connection to the print system (CUPS), or to another print server, for as long as one
// wait allows. libcups waits on its socket as long as its own timeout says, and opens a new
// socket where the server closed the last one, even in the middle of a request; so a guard
// thread shuts down whatever socket the connection uses now, once it is sure that it leads
// to the server, when the wait's deadline passes or it is cancelled: whatever call is blocked
// on it returns at once. A password that the server asks for is asked through the wait,
// never on a terminal. Every failure is named: no answer in time, an answer that could not
// be read, a closed connection, the print system's own message; a cancelled wait, or a
// password the person declined to give, is PrintCancelled.
class CupsConnection
{
    Q_DECLARE_TR_FUNCTIONS(CupsConnection)

public:
    // Connects to the print system (as CUPS_SERVER, client.conf or the default name it), or
    // to the given print server.
    explicit CupsConnection(const PrintWait &wait, const QByteArray &host = cupsServer(), int port = ippPort());
    ~CupsConnection();
    CupsConnection(const CupsConnection &) = delete;
    CupsConnection &operator=(const CupsConnection &) = delete;

    // The connection, ready for a call into libcups on this thread.
    http_t *http();

    // Sends the request and returns the answer, whatever its status.
    Ipp request(ipp_t *request, const char *resource = "/");

    // After a call into libcups that failed: where it got no answer from the server, says why;
    // where it did, returns, and the server's refusal is the caller's to report. Where the
    // whole document had been sent, the print system may have it although it did not confirm
    // it in time.
    void failIfUnanswered(bool documentSent = false) const;

    // The print system's address, as the reports name it.
    static QString server();

private:
    void connect();
    [[noreturn]] void fail(bool documentSent = false) const;
    void shutDownServerSocket() const;
    static const char *answerPassword(const char *prompt, http_t *http, const char *method, const char *resource,
                                      void *connection);

    const PrintWait &m_wait;
    const QByteArray m_host;
    const int m_port;
    http_t *m_http = nullptr;
    int m_asked = 0;
    bool m_declined = false;
    QByteArray m_password; // as libcups reads it, until it asks again
    std::atomic<bool> m_closing{false};
    std::thread m_guard;
};
