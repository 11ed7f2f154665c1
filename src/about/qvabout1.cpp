// SPDX-License-Identifier: MIT
#include "qvabout1.h"
#include "ui_qvabout1.h"

#include "buildinfo.h"
#include "core/desktopcolours.h"
#include "core/handlerguard.h"
#include "core/sharedinstance.h"

QVAbout1::QVAbout1(QWidget *parent)
    : ToolWindow(parent)
    , ui(std::make_unique<Ui::QVAbout1>())
{
    ui->setupUi(this);
    //: %1 is the program's version number.
    ui->Label2->setText(tr("Version %1").arg(QStringLiteral(QUORVEL_VERSION)));
    // A titling face has capitals only.
    QFont titleFont = ui->Label1->font();
    titleFont.setCapitalization(QFont::AllUppercase);
    titleFont.setStyleHint(QFont::Serif);
    ui->Label1->setFont(titleFont);
    const QString website = QStringLiteral(QUORVEL_WEBSITE);
    ui->HLink1->setText(website);
    ui->HLink1->setUrl(QUrl(website));
    finishForm(DesktopColours::SystemColour::ActiveBorder);
    for (QWidget *label : {ui->Label1, ui->Label2})
        DesktopColours::fixText(label, QColor(0x40, 0x40, 0x40));
    ui->Command1->setFocus();
    connectGuarded(ui->Command1, &QPushButton::clicked, this, &QVAbout1::closeDialog);
}

QVAbout1::~QVAbout1() = default;

void QVAbout1::closeDialog()
{
    SharedInstance<QVAbout1>::get().unload();
}
