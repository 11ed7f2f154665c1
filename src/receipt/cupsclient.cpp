// SPDX-License-Identifier: MIT
#include "cupsclient.h"

#include <QLibrary>

#include <optional>

namespace {

std::optional<CupsClient> loadLibrary(QString *error)
{
    QLibrary library(QStringLiteral("cups"), 2);
    if (!library.load()) {
        *error = library.errorString();
        return std::nullopt;
    }
    CupsClient client{};
    bool complete = true;
    auto resolve = [&](auto &function, const char *name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
        complete = complete && function;
    };
    resolve(client.server, "cupsServer");
    resolve(client.port, "ippPort");
    resolve(client.encryption, "cupsEncryption");
    resolve(client.connect, "httpConnect2");
    resolve(client.setTimeout, "httpSetTimeout");
    resolve(client.close, "httpClose");
    resolve(client.newRequest, "ippNewRequest");
    resolve(client.doRequest, "cupsDoRequest");
    resolve(client.deleteMessage, "ippDelete");
    resolve(client.lastError, "cupsLastError");
    resolve(client.lastErrorString, "cupsLastErrorString");
    if (!complete) {
        *error = library.errorString();
        return std::nullopt;
    }
    return client; // the library stays loaded for the rest of the run
}

} // namespace

const CupsClient *CupsClient::load(QString *whyNot)
{
    static QString error;
    static const std::optional<CupsClient> client = loadLibrary(&error);
    *whyNot = error;
    return client ? &*client : nullptr;
}
