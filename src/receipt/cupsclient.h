// SPDX-License-Identifier: MIT
#pragma once

#include <cups/cups.h>

// The few calls into the CUPS client library that printing makes besides Qt's own. The
// library (and its TLS and Kerberos chain) is loaded on the first Print, not at start-up,
// as Qt loads its own CUPS support. A library that cannot be loaded throws a Failure.
struct CupsClient
{
    static const CupsClient &get();

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
