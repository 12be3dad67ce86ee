// The About box: program name and version, the maker's addresses and where
// the data file lives.
#pragma once

#include <QDialog>
#include <string>

class LinkLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(const std::string& datafilename, QWidget* parent = nullptr);

    QLabel* bannerlabel = nullptr;
    QLabel* versionlabel = nullptr;
    LinkLabel* softwarelink = nullptr;
    LinkLabel* philosophylink = nullptr;
    LinkLabel* emaillink = nullptr;
    QLineEdit* pathedit = nullptr;
    QWidget* UpDown1 = nullptr;  // the arrow pair that scrolls pathedit
    QToolButton* UpDown1prev = nullptr;
    QToolButton* UpDown1next = nullptr;
    QPushButton* OKButton = nullptr;

public slots:
    // The "next" arrow shows the end of the path, the "previous" its start.
    void UpDown1Click(bool next);
};
