// SPDX-License-Identifier: MIT
#include "qv1.h"
#include "ui_qv1.h"

#include "about/qvabout1.h"
#include "core/captionfit.h"
#include "core/desktopcolours.h"
#include "buildinfo.h"
#include "core/formfaces.h"
#include "core/formmirror.h"
#include "core/handlerguard.h"
#include "receipt/qvrp.h"
#include "core/sharedinstance.h"
#include "setup/qvo1.h"

#include <QEvent>
#include <QLayout>
#include <QTimer>

namespace {

// The text box in which each of the Payee details is typed.
const std::pair<QString PayeeDetails::*, QLineEdit *Ui::QV1::*> payeeTextBoxes[] = {
    {&PayeeDetails::firstName, &Ui::QV1::Text2}, {&PayeeDetails::lastName, &Ui::QV1::Text3},
    {&PayeeDetails::street1, &Ui::QV1::Text4},   {&PayeeDetails::street2, &Ui::QV1::Text5},
    {&PayeeDetails::city, &Ui::QV1::Text6},      {&PayeeDetails::state, &Ui::QV1::Text8},
    {&PayeeDetails::zip, &Ui::QV1::Text9},
};

// The option of each payment type, in the order in which Generate tests them.
const std::pair<OptionButton *Ui::QV1::*, PaymentType> paymentOptions[] = {
    {&Ui::QV1::Option1, PaymentType::PersonalCheck},
    {&Ui::QV1::Option2, PaymentType::MoneyOrder},
    {&Ui::QV1::Option3, PaymentType::CreditCard},
    {&Ui::QV1::Option4, PaymentType::Cash},
};

} // namespace

QV1::QV1(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::QV1>())
{
    ui->setupUi(this);
    //: The main window's title: the product's name, then its version (%1).
    setWindowTitle(tr("Quorvel v%1").arg(QStringLiteral(QUORVEL_VERSION)));
    for (const auto &[option, type] : paymentOptions)
        (ui.get()->*option)->setText(paymentTypeText(type));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    // Reading the icon loads Qt's image plugins: it is read once the window has been painted.
    centralWidget()->installEventFilter(this);
    FormFaces::useTextBoxFont(this);
    useDesktopColours();
    ui->SSTab1->placePageChildrenFromOuterCorner();
    centralWidget()->setFixedSize(size()); // the form's size is the client area below the menu bar
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormMirror::mirrorIfRightToLeft(this);
    CaptionFit::fitCaptions(this);
    ui->Text7->setFocus();
    connectHandlers();
}

QV1::~QV1() = default;

bool QV1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Paint) {
        centralWidget()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            QIcon icon;
            icon.addFile(QStringLiteral(":/icons/quorvel-16.png"));
            icon.addFile(QStringLiteral(":/icons/quorvel-32.png"));
            setWindowIcon(icon);
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

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
    for (const auto &[field, textBox] : payeeTextBoxes)
        details.*field = (ui.get()->*textBox)->text();
    return details;
}

QString QV1::amountCollected() const
{
    return ui->Text7->text();
}

void QV1::generate()
{
    auto &preview = SharedInstance<QVRP>::get();
    // Each test runs on its own, in order; the first write loads the preview, whose load
    // step copies this window's fields before the payment type is written.
    for (const auto &[option, type] : paymentOptions) {
        if ((ui.get()->*option)->isChecked())
            preview.window()->setPaymentType(paymentTypeText(type));
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
