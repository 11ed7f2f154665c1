// SPDX-License-Identifier: MIT
// Saves the five User Setup entries in a loop, for the store's crash and concurrency tests:
//   settings_saver VALUE_PREFIX COUNT   (COUNT 0: until killed)
// Round n writes "<prefix><n>" to every entry, so a reader can tell old from new. With a third
// argument, new-keys, it writes that text to a new entry of that name instead, so a reader can
// tell which rounds were lost.
#include "base/failure.h"
#include "store/issuerkeys.h"
#include "store/settingsstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const bool newKeys = arguments.size() == 4 && arguments.at(3) == QStringLiteral("new-keys");
    if (arguments.size() != 3 && !newKeys)
        return 2;
    const QString prefix = arguments.at(1);
    const int count = arguments.at(2).toInt();
    try {
        for (int round = 1; count == 0 || round <= count; ++round) {
            const QString value = prefix + QString::number(round);
            for (const IssuerKeys::Key &key : IssuerKeys::keys)
                SettingsStore::saveSetting(QStringLiteral("quorvel"), IssuerKeys::section,
                                           newKeys ? value : key.written, value);
            if (round == 1)
                std::puts("saving"), std::fflush(stdout);
        }
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
