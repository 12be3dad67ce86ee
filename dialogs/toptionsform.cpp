#include "dialogs/toptionsform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/centre.h"

namespace {

QRadioButton* radio(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QGroupBox* pairgroup(const QString& caption, QRadioButton* first, QRadioButton* second, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    auto* column = new QVBoxLayout(group);
    column->addWidget(first);
    column->addWidget(second);
    return group;
}

}  // namespace

Toptionsform::Toptionsform(const OptionsValues& current, QWidget* parent) : QDialog(parent)
{
    setObjectName("optionsform");
    setWindowTitle(tr("Options"));

    smallradiobutton = radio("smallradiobutton", tr("Small"), this);
    largeradiobutton = radio("largeradiobutton", tr("Large"), this);
    metricrb = radio("metricrb", tr("°C, litres, grams"), this);
    nonmetricrb = radio("nonmetricrb", tr("°F, gallons, ounces"), this);
    hintscheckbox = new QCheckBox(tr("Show toolbar tips"), this);
    hintscheckbox->setObjectName("hintscheckbox");
    Button2 = new QPushButton(tr("&Ok"), this);
    Button2->setObjectName("Button2");
    Button2->setDefault(true);
    cancelbutton = new QPushButton(tr("&Cancel"), this);
    cancelbutton->setObjectName("cancelbutton");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pairgroup(tr("Report font size"), smallradiobutton, largeradiobutton, this));
    layout->addWidget(pairgroup(tr("Measures"), metricrb, nonmetricrb, this));
    layout->addWidget(hintscheckbox);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(cancelbutton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    (current.FontSize == smallfontsize ? smallradiobutton : largeradiobutton)->setChecked(true);
    (current.MetricUnits ? metricrb : nonmetricrb)->setChecked(true);
    hintscheckbox->setChecked(current.tips);
    showtips(current.tips);

    connect(hintscheckbox, &QCheckBox::clicked, this, &Toptionsform::hintscheckboxClick);
    connect(Button2, &QPushButton::clicked, this, &Toptionsform::Button2Click);
    connect(cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    centreonscreen(this);
}

OptionsValues Toptionsform::chosen() const
{
    return {smallradiobutton->isChecked() ? smallfontsize : largefontsize, metricrb->isChecked(),
            hintscheckbox->isChecked()};
}

void Toptionsform::hintscheckboxClick() { showtips(hintscheckbox->isChecked()); }

void Toptionsform::Button2Click() { accept(); }

void Toptionsform::showtips(bool on) { hintscheckbox->setToolTip(on ? tr("Show these tips") : QString()); }
