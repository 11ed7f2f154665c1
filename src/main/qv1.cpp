// SPDX-License-Identifier: MIT
#include "qv1.h"
#include "ui_qv1.h"

#include "about/qvabout1.h"
#include "core/desktopcolours.h"
#include "core/formwindow.h"
#include "core/handlerguard.h"
#include "receipt/qvrp.h"
#include "setup/qvo1.h"
#include "core/sharedinstance.h"

#include <QLayout>

QV1::QV1(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::QV1>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/quorvel-16.png"));
    icon.addFile(QStringLiteral(":/icons/quorvel-32.png"));
    setWindowIcon(icon);
    FormWindow::useTextBoxFont(this);
    useDesktopColours();
    ui->SSTab1->placePageChildrenFromOuterCorner();
    centralWidget()->setFixedSize(size()); // the form's size is the client area below the menu bar
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->Text7->setFocus();
    connectHandlers();
}

QV1::~QV1() = default;

void QV1::useDesktopColours()
{
    using DesktopColours::SystemColour;
    DesktopColours::paintWith(centralWidget(), SystemColour::ActiveBorder);
    DesktopColours::paintWith(ui->Frame1, SystemColour::ActiveBorder);
    for (QWidget *buttonFace : {static_cast<QWidget *>(ui->Frame2), ui->pageName, ui->pageAddress})
        DesktopColours::paintWith(buttonFace, SystemColour::ButtonFace);
    DesktopColours::fixBackground(ui->Text7, Qt::white);
}

void QV1::connectHandlers()
{
    connectGuarded(ui->Command1, &QPushButton::clicked, this, &QV1::generate);
    connectGuarded(ui->mnuexit, &QAction::triggered, this, &QV1::exit);
    connectGuarded(ui->mnuoptions, &QAction::triggered, this, &QV1::showUserSetup);
    connectGuarded(ui->mnuabout, &QAction::triggered, this, &QV1::showAbout);
}

PayeeDetails QV1::payeeDetails() const
{
    PayeeDetails details;
    for (const PayeeField &row : payeeFields)
        details.*row.field = findChild<QLineEdit *>(QLatin1StringView(row.mainTextBox))->text();
    return details;
}

QString QV1::amountCollected() const
{
    return ui->Text7->text();
}

void QV1::generate()
{
    auto &preview = SharedInstance<QVRP>::get();
    const QRadioButton *options[] = {ui->Option1, ui->Option2, ui->Option3, ui->Option4};
    // Each test runs on its own, in order; the first write loads the preview, whose load
    // step copies this window's fields before the payment type is written.
    for (std::size_t i = 0; i < std::size(options); ++i) {
        if (options[i]->isChecked())
            preview.window()->setPaymentType(paymentTypeTexts.at(i));
    }
    preview.show();
}

void QV1::exit()
{
    SharedInstance<QV1>::get().unload();
}

void QV1::showUserSetup()
{
    SharedInstance<QVO1>::get().show();
}

void QV1::showAbout()
{
    SharedInstance<QVAbout1>::get().show();
}
