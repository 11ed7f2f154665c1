// SPDX-License-Identifier: MIT
#pragma once

#include "content/receiptcontent.h"
#include "core/sharedinstance.h"
#include "core/toolwindow.h"

#include <memory>

namespace Ui {
class QVRP;
}

// The Receipt Preview. Its load step copies the receipt into its labels once; from then
// on the labels are the receipt, and Print prints exactly what they show.
class QVRP : public ToolWindow, private LoadStep
{
    Q_OBJECT

public:
    explicit QVRP(QWidget *parent = nullptr);
    ~QVRP() override;

    void setPaymentType(const QString &text);

    // The receipt as the labels hold it.
    Receipt receipt() const;

private:
    friend class SharedInstance<QVRP>;

    void loadStep() override;
    void print();
    void cancel();

    std::unique_ptr<Ui::QVRP> ui;
};
