// The notice shown before a report opens in the browser.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

class TScreenMessage : public QDialog {
    Q_OBJECT
public:
    explicit TScreenMessage(QWidget* parent = nullptr);

    QCheckBox* showmsgcheckbox = nullptr;  // "Don't show me this message again."
    QPushButton* okbutton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
