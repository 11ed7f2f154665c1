// SPDX-License-Identifier: MIT
// Feeds any bytes to the settings-file reader as a file, then writes a value taken from the
// input under a key and checks that it reads back exactly, and that the rest still parses.
#include "store/inidocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\x1e'); // file, separator, value
    const QByteArray file = split < 0 ? bytes : bytes.left(split);
    const QString value = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 1));

    IniDocument document(file);
    const QString application = QStringLiteral("quorvel");
    const QString section = QStringLiteral("Recent DBs");
    document.value(application, section, QStringLiteral("Text1DB"));
    document.setValue(application, section, QStringLiteral("text1Db"), value);
    const IniDocument reread(document.toByteArray());
    if (reread.value(application, section, QStringLiteral("TEXT1DB")) != value)
        __builtin_trap(); // what was saved must come back unchanged
    return 0;
}
