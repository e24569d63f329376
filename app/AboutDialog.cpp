#include "app/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/Artwork.h"
#include "resources/Strings.h"

#ifndef DAYVANE_VERSION
#error "DAYVANE_VERSION comes from the project version"
#endif

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(LoadString(IDS_ABOUT_TITLE));
    setWindowIcon(ApplicationIcon());

    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);

    auto* name = new QLabel(LoadString(IDS_PRODUCT_NAME), this);
    name->setObjectName(QStringLiteral("productName"));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    name->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Version %1").arg(VersionText()), this);
    version->setObjectName(QStringLiteral("version"));
    version->setAlignment(Qt::AlignCenter);

    // Open-Meteo's terms ask for attribution of the forecast.
    auto* credit = new QLabel(LoadString(IDS_WEATHER_CREDIT), this);
    credit->setObjectName(QStringLiteral("weatherCredit"));
    credit->setAlignment(Qt::AlignCenter);
    credit->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(LoadString(IDS_KEY_OK));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(credit);
    layout->addWidget(buttons);
}

QString CAboutDlg::VersionText() { return QStringLiteral(DAYVANE_VERSION); }
