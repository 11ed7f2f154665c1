// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

#include <mutex>

// Makes assistive technology see every Widget (and every subclass of it) through Accessible,
// a QAccessibleInterface constructed from the widget. The factory is installed once.
template <class Widget, class Accessible>
void registerAccessible()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        QAccessible::installFactory([](const QString &, QObject *object) -> QAccessibleInterface * {
            auto *widget = qobject_cast<Widget *>(object);
            return widget ? new Accessible(widget) : nullptr;
        });
    });
}
