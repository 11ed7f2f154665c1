// SPDX-License-Identifier: MIT
// The yardstick: a bare Qt program that shows an empty window with a menu bar.
#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *title : {"&File", "&Setup", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Command"));
    window.setCentralWidget(new QWidget);
    window.resize(461, 346);
    FirstPaint probe({&window});
    window.show();
    return QApplication::exec();
}
