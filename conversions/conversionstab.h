// The "Conversions" tab: five unit pairs converted both ways as the user types.
#pragma once

#include <QWidget>

#include "conversions/unitconversions.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
struct FormatSettings;

class ConversionsTab : public QWidget {
    Q_OBJECT
public:
    // `fs` must outlive the tab; the main window owns it.
    explicit ConversionsTab(const FormatSettings& fs, QWidget* parent = nullptr);

    // What a visit to the tab does: the temperature results are cleared and
    // worked out again, an empty temperature box gets "0" and the focus, and
    // every empty amount box gets "1".
    void visit();

    QLineEdit* tempconedit = nullptr;
    QLabel* celsiuslabel = nullptr;
    QLabel* Fahrlabel = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* gallonslabel = nullptr;
    QLabel* litreslabel = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLabel* poundslabel = nullptr;
    QLabel* gramslabel = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* ounceslabel = nullptr;
    QLabel* grams2label = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLabel* pintslabel = nullptr;
    QLabel* millslabel = nullptr;

public slots:
    void tempconeditChange();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The key filters; true when the key was dealt with here.
    bool tempconeditKeyPress(QKeyEvent* key);
    bool Edit2KeyPress(QLineEdit* box, QKeyEvent* key);
    bool numberboxkey(QLineEdit* box, QKeyEvent* key, bool allowminus);

    QLineEdit* addpair(const char* group, const QString& caption, const char* box, QLabel*& left,
                       const char* leftname, QLabel*& right, const char* rightname);
    void showresults(UnitPair pair, const QLineEdit* box, QLabel* left, QLabel* right);

    const FormatSettings& fs_;
};
