// The Options dialog: report font size, units and tool tips.
#pragma once

#include <QDialog>

#include "dialogs/optionsvalues.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

class Toptionsform : public QDialog {
    Q_OBJECT
public:
    Toptionsform(const OptionsValues& current, QWidget* parent = nullptr);

    // The settings as the dialog shows them; what "&Ok" stands for.
    OptionsValues chosen() const;

    QRadioButton* smallradiobutton = nullptr;
    QRadioButton* largeradiobutton = nullptr;
    QRadioButton* metricrb = nullptr;
    QRadioButton* nonmetricrb = nullptr;
    QCheckBox* hintscheckbox = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* cancelbutton = nullptr;

public slots:
    void hintscheckboxClick();
    void Button2Click();

private:
    void showtips(bool on);
};
