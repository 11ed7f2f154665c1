// SPDX-License-Identifier: MIT
#pragma once

#include "printout/printsystem.h"

#include <cups/cups.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

struct IppDeleter
{
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// One connection to the print system (CUPS), for as long as one wait allows. libcups bounds
// each read only by the silence before it, so a guard shuts the socket down when the wait's
// deadline passes or it is cancelled, and whatever call is blocked on it returns at once.
// Every failure is named: no answer in time, an answer that could not be read, a closed
// connection, the print system's own message; a cancelled wait is PrintCancelled.
class CupsConnection
{
    Q_DECLARE_TR_FUNCTIONS(CupsConnection)

public:
    explicit CupsConnection(const PrintWait &wait);
    ~CupsConnection();
    CupsConnection(const CupsConnection &) = delete;
    CupsConnection &operator=(const CupsConnection &) = delete;

    // Sends the request, with the document after it if there is one, and returns the answer.
    // An answer whose status is an error throws, with the print system's message.
    Ipp request(ipp_t *request, const QString &resource, const QByteArray &document = {});

    // The print system's address, as the reports name it.
    static QString server();

private:
    void connect();
    void guard(int socket);
    [[noreturn]] void failRequest(bool documentSent);

    const PrintWait &m_wait;
    http_t *m_http = nullptr;
    std::mutex m_guarded;      // the guard's socket, shut down when the wait is over
    int m_guardedSocket = -1;  // a duplicate of libcups' socket, so it can never be another file
    std::atomic<bool> m_closing{false};
    std::thread m_guard;
};
