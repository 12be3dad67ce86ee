#include "dialogs/tscreenmessage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/centre.h"

TScreenMessage::TScreenMessage(QWidget* parent) : QDialog(parent)
{
    setObjectName("ScreenMessage");
    setWindowTitle(tr("Viewing and Printing Reports"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    for (const QString& text : {tr("The report will now be opened in your default web browser,"),
                                tr("from where you can view and print the report."),
                                tr("Consider printing in \"landscape\" page layout mode.")}) {
        auto* label = new QLabel(text, this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        layout->addWidget(label);
    }
    layout->addSpacing(12);

    showmsgcheckbox = new QCheckBox(tr("Don't show me this message again."), this);
    showmsgcheckbox->setObjectName("showmsgcheckbox");
    showmsgcheckbox->setChecked(false);
    layout->addWidget(showmsgcheckbox);

    okbutton = new QPushButton(tr("&Ok"), this);
    okbutton->setObjectName("okbutton");
    okbutton->setDefault(true);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okbutton);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TScreenMessage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreonscreen(this);
}
