// SPDX-License-Identifier: MIT
#pragma once

#include "core/toolwindow.h"

#include <memory>

namespace Ui {
class QVAbout1;
}

// The about dialog: product name, version and the maker's web address. It has no load or
// unload step; OK and the close box destroy it, and the next About creates it afresh.
class QVAbout1 : public ToolWindow
{
    Q_OBJECT

public:
    explicit QVAbout1(QWidget *parent = nullptr);
    ~QVAbout1() override;

private:
    void closeDialog();

    std::unique_ptr<Ui::QVAbout1> ui;
};
