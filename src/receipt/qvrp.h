// SPDX-License-Identifier: MIT
#pragma once

#include "content/receiptcontent.h"
#include "core/sharedinstance.h"

#include <QWidget>

class QLabel;

#include <memory>

namespace Ui {
class QVRP;
}

// The Receipt Preview. Its load step copies the receipt into its labels once; from then
// on the labels are the receipt, and Print prints exactly what they show.
class QVRP : public QWidget
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

    QLabel *label(const char *name) const;
    void loadStep();
    void print();
    void cancel();

    std::unique_ptr<Ui::QVRP> ui;
};
