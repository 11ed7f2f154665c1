// SPDX-License-Identifier: MIT
// Saves the five User Setup entries in a loop, for the store's crash and concurrency tests:
//   settings_saver VALUE_PREFIX COUNT   (COUNT 0: until killed)
// Round n writes "<prefix><n>" to every entry, so a reader can tell old from new.
#include "base/failure.h"
#include "store/issuerkeys.h"
#include "store/settingsstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const QString prefix = arguments.at(1);
    const int count = arguments.at(2).toInt();
    try {
        for (int round = 1; count == 0 || round <= count; ++round) {
            for (const IssuerKeys::Key &key : IssuerKeys::keys)
                SettingsStore::saveSetting(QStringLiteral("quorvel"), IssuerKeys::section, key.written,
                                           prefix + QString::number(round));
            if (round == 1)
                std::puts("saving"), std::fflush(stdout);
        }
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
