// SPDX-License-Identifier: MIT
#pragma once

#include "content/receiptcontent.h"
#include "core/sharedinstance.h"
#include "core/toolwindow.h"

#include <functional>
#include <memory>

class QLineEdit;

namespace Ui {
class QVO1;
}

// The User Setup dialog, where the user types the Issuer details once. It fills its fields
// from the settings store whenever it loads and writes them back whenever it unloads, so
// OK, Cancel, Esc and the close box all save.
class QVO1 : public ToolWindow, private LoadStep, private UnloadStep
{
    Q_OBJECT

public:
    explicit QVO1(QWidget *parent = nullptr);
    ~QVO1() override;

    // The fields' current text, Text1 to Text5, unsaved edits included.
    IssuerDetails issuerDetails() const;

private:
    friend class SharedInstance<QVO1>;

    void accessStore(QString IssuerDetails::*detail, const char *action, const std::function<void(QLineEdit *)> &access);
    void loadsettings();
    void savesettings();
    void closeDialog();
    void loadStep() override;
    void unloadStep() override;

    std::unique_ptr<Ui::QVO1> ui;
};
