// SPDX-License-Identifier: MIT
// Saves in a loop, for the store's crash and concurrency tests:
//   settings_saver VALUE_PREFIX COUNT            (COUNT 0: until killed)
//     round n writes "<prefix><n>" to every User Setup entry, so a reader can tell old from new;
//   settings_saver KEY_PREFIX COUNT new-keys
//     round n writes a new entry "<prefix><n>" holding its own name, so a reader can tell
//     which saves were lost.
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
            if (newKeys) {
                SettingsStore::saveSetting(QStringLiteral("quorvel"), IssuerKeys::section, value, value);
            } else {
                for (const IssuerKeys::Key &key : IssuerKeys::keys)
                    SettingsStore::saveSetting(QStringLiteral("quorvel"), IssuerKeys::section, key.written, value);
            }
            if (round == 1)
                std::puts("saving"), std::fflush(stdout);
        }
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
