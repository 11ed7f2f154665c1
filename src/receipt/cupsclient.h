// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cups/cups.h>

// The few calls into the CUPS client library that printing makes besides Qt's own. The
// library (and its TLS and Kerberos chain) is loaded on the first Print, not at start-up,
// as Qt loads its own CUPS support.
struct CupsClient
{
    // The client, loaded on the first call; nothing, with the reason, if it cannot be.
    static const CupsClient *load(QString *whyNot);

    decltype(&::cupsServer) server;
    decltype(&::ippPort) port;
    decltype(&::cupsEncryption) encryption;
    decltype(&::httpConnect2) connect;
    decltype(&::httpSetTimeout) setTimeout;
    decltype(&::httpClose) close;
    decltype(&::ippNewRequest) newRequest;
    decltype(&::cupsDoRequest) doRequest;
    decltype(&::ippDelete) deleteMessage;
    decltype(&::cupsLastError) lastError;
    decltype(&::cupsLastErrorString) lastErrorString;
};
