// SPDX-License-Identifier: MIT
#include "receiptcontent.h"

#include <QCoreApplication>

QString paymentTypeText(PaymentType type)
{
    static constexpr const char *texts[] = {
        QT_TRANSLATE_NOOP("PaymentType", "Personal Check"),
        QT_TRANSLATE_NOOP("PaymentType", "Money Order"),
        QT_TRANSLATE_NOOP("PaymentType", "Credit Card"),
        QT_TRANSLATE_NOOP("PaymentType", "Cash"),
    };
    return QCoreApplication::translate("PaymentType", texts[static_cast<int>(type)]);
}
