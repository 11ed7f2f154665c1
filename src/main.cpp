// SPDX-License-Identifier: MIT
#include "main/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Startup::prepare(app);
    return Startup::run();
}
