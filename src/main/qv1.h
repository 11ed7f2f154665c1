// SPDX-License-Identifier: MIT
#pragma once

#include "content/receiptcontent.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class QV1;
}

// The main window: the Payee details, the Payment type and the Amount collected are typed
// here, and from here the preview, User Setup and About are opened. It has no load or
// unload step and keeps nothing but what its controls hold.
class QV1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit QV1(QWidget *parent = nullptr);
    ~QV1() override;

    PayeeDetails payeeDetails() const;
    QString amountCollected() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void useDesktopColours();
    void connectHandlers();
    void generate();
    void exit();
    void showUserSetup();
    void showAbout();

    std::unique_ptr<Ui::QV1> ui;
};
