#include "dialogs/taboutform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs/programinfo.h"
#include "mainform/orvanti.h"
#include "platform/linklabel.h"
#include "platform/qtext.h"

namespace {

QToolButton* arrow(const char* name, Qt::ArrowType direction, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(direction);
    button->setAutoRaise(true);
    return button;
}

LinkLabel* link(const char* name, const char* address, QWidget* parent)
{
    auto* label = new LinkLabel(QString::fromLatin1(address), parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(const std::string& datafilename, QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutForm");
    setWindowTitle(tr("About this program"));

    bannerlabel = new QLabel(QStringLiteral("- %1 -").arg(QString::fromLatin1(programname).toUpper()), this);
    bannerlabel->setObjectName("bannerlabel");
    QFont big = bannerlabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    bannerlabel->setFont(big);
    bannerlabel->setAlignment(Qt::AlignCenter);
    versionlabel = new QLabel(QString::fromLatin1(programversion), this);
    versionlabel->setObjectName("versionlabel");
    versionlabel->setAlignment(Qt::AlignCenter);

    softwarelink = link("softwarelink", orvantisoftwarepage, this);
    philosophylink = link("philosophylink", orvantiphilosophypage, this);
    emaillink = link("emaillink", orvantimailto, this);
    emaillink->setText(QString::fromLatin1(orvantiemail));

    pathedit = new QLineEdit(toqs(datafilename), this);
    pathedit->setObjectName("pathedit");
    pathedit->setReadOnly(true);
    pathedit->setMinimumWidth(280);
    pathedit->setCursorPosition(0);
    UpDown1 = new QWidget(this);
    UpDown1->setObjectName("UpDown1");
    UpDown1prev = arrow("UpDown1prev", Qt::LeftArrow, UpDown1);
    UpDown1next = arrow("UpDown1next", Qt::RightArrow, UpDown1);
    auto* arrows = new QHBoxLayout(UpDown1);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(UpDown1prev);
    arrows->addWidget(UpDown1next);
    connect(UpDown1prev, &QToolButton::clicked, this, [this] { UpDown1Click(false); });
    connect(UpDown1next, &QToolButton::clicked, this, [this] { UpDown1Click(true); });

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* links = new QFormLayout;
    links->addRow(tr("Software page:"), softwarelink);
    links->addRow(tr("Philosophy page:"), philosophylink);
    links->addRow(tr("Email:"), emaillink);
    auto* location = new QHBoxLayout;
    location->addWidget(new QLabel(tr("Data file location: "), this));
    location->addWidget(pathedit, 1);
    location->addWidget(UpDown1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bannerlabel);
    layout->addWidget(versionlabel);
    layout->addSpacing(8);
    layout->addLayout(links);
    layout->addSpacing(8);
    layout->addLayout(location);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutForm::UpDown1Click(bool next)
{
    if (next)
        pathedit->end(false);
    else
        pathedit->home(false);
}
