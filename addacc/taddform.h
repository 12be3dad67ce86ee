// The brew record editor: one brew, added or edited, in a modal window.
//
// The editor never changes the record list itself. When the user accepts,
// accepted() holds the brew and acceptedbatchno the batch number text; the
// command that opened the editor stores the brew.
//
// taddform.cpp builds the window, taddform_fill.cpp fills, accepts and closes
// it, and taddform_aids.cpp holds the input aids.
#pragma once

#include <QDialog>
#include <QHash>

#include <functional>
#include <string>

#include "platform/keyfilter.h"
#include "addacc/spinsteps.h"
#include "platform/formatsettings.h"
#include "records/brandtally.h"
#include "records/recordlist.h"

class Clock;
class Messages;
class LimitedMemo;
class SpinEdit;
class UpDown;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QKeyEvent;

// What the editor takes from the window that opens it.
struct EditorContext {
    const RecordList& records;
    int selected = -1; // list position of the selected brew (selected row - 1); -1 for none
    bool editing = false; // edit the selected brew instead of adding one
    BrandTally kits; // the kit name tally, built just before
    bool MetricUnits = true;
    bool showhints = true;
    FormatSettings formatsettings;
    Messages& messages;
    const Clock& clock;
};

class Taddform : public QDialog {
    Q_OBJECT
public:
    explicit Taddform(const EditorContext& context, QWidget* parent = nullptr);
    ~Taddform() override;

    // The brew as the user accepted it; valid after an accepted close.
    const BrewFields& accepted() const { return accepted_; }
    // The text of batchnoedit when the user accepted.
    std::string acceptedbatchno;

    bool ismodified() const;
    bool checknoedit();
    void updatefulllabel();
    void calcalc();

    // Controls, named as the window names them.
    QLineEdit* batchnoedit;
    QComboBox* brewkitscb;
    QLineEdit* batchnameedit;
    QLineEdit* datedownedit;
    QComboBox* Brewingsugarcb;
    QLineEdit* kgusededit;
    QLineEdit* wateredit;
    QComboBox* yeastcb;
    QLineEdit* originalgravityedit;
    LimitedMemo* extractmemo;
    QLineEdit* fermkgedit;
    QRadioButton* kitrb;
    QRadioButton* extractrb;
    QRadioButton* modifiedkitrb;
    QLineEdit* bottlededit;
    QComboBox* primingsugarcb;
    QLineEdit* pskgusededit;
    QLineEdit* finalgravityedit;
    QLineEdit* primaryedit;
    QLineEdit* secondaryedit;
    QLineEdit* brewtempedit;
    QLineEdit* alcedit;
    QLineEdit* minedit;
    QLineEdit* maxedit;
    QLineEdit* add1edit;
    QLineEdit* add2edit;
    QLineEdit* add3edit;
    QLineEdit* add4edit;
    SpinEdit* appearanceEdit;
    SpinEdit* aromaedit;
    SpinEdit* tasteedit;
    LimitedMemo* Memo;

    UpDown* kgusedspin;
    UpDown* pskgusedspin;
    UpDown* fermkgspin;
    UpDown* UpDown2;
    UpDown* tempspin;
    UpDown* originalgravspin;
    UpDown* finalgravityspin;
    UpDown* downUpDown;
    UpDown* bottUpDown;

    QLabel* brewkitlabel;
    QLabel* sugarlabel;
    QLabel* kgusedlabel;
    QLabel* extractslabel;
    QLabel* fermentlabel;
    QLabel* kglabel;
    QLabel* waterlabel;
    QLabel* Label13;
    QLabel* Label30;
    QLabel* Label31;
    QLabel* gravwarninglabel;
    QLabel* fulllabel;
    QGroupBox* additivesgroupbox;
    QGroupBox* tastinggroupbox;
    QToolButton* XButton1;
    QPushButton* okbutton;
    QPushButton* cancelbutton;

public slots:
    void FormActivate();
    void okbuttonClick();
    void cancelbuttonClick();
    void batchnoeditExit();
    void MemoChange();
    void kitrbClick();
    void XButton1Click();

    // Values proposed on entry.
    void kgusededitEnter();
    void watereditEnter();
    void originalgravityeditEnter();
    void pskgusededitEnter();
    void finalgravityeditEnter();
    void brewtempeditEnter();
    void fermkgeditEnter();
    void fermkgeditClick();
    void datedowneditEnter();
    void bottlededitEnter();
    void bottlededitExit();
    void mineditEnter();
    void maxeditEnter();
    void primaryeditEnter();
    void alceditEnter();

    // Spin buttons.
    void kgusedspinClick(bool up);
    void pskgusedspinClick(bool up);
    void fermkgspinClick(bool up);
    void UpDown2Click(bool up);
    void tempspinClick(bool up);
    void originalgravspinClick(bool up);
    void finalgravityspinClick(bool up);
    void downUpDownClick(bool up);
    void bottUpDownClick(bool up);

    // Change handlers; the shared ones act on the control that raised them.
    void kgusededitChange();
    void pskgusededitChange();
    void secondaryeditChange();
    void primaryeditChange();
    void brewtempeditChange();
    void mineditChange();
    void maxeditChange();
    void add1editChange();
    void bottlededitChange();
    void fermkgeditChange();
    void extractmemoChange();
    void BrewingsugarcbChange();
    void yeastcbChange();
    void primingsugarcbChange();

public:
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // What a field does on the events the editor watches.
    using KeyPress = bool (Taddform::*)(QWidget*, QKeyEvent*);
    struct FieldEvents {
        KeyPress keypress = nullptr;
        void (Taddform::*enter)() = nullptr;
        void (Taddform::*click)() = nullptr;
        void (Taddform::*dblclick)() = nullptr;
        void (Taddform::*exit)() = nullptr;
        void (Taddform::*keyup)() = nullptr;
    };

    // taddform.cpp
    void createcontrols();
    QLayout* createleftcolumn();
    QLayout* createrightcolumn();
    void connecthandlers();
    void watch(QWidget* field, FieldEvents events);
    // Key filters: true when the key was dealt with and must not reach the field.
    bool FormKeyDown(QKeyEvent* key);
    bool add1editKeyPress(QWidget* field, QKeyEvent* key);
    bool kgusededitKeyPress(QWidget* field, QKeyEvent* key);
    bool batchnoeditKeyPress(QWidget* field, QKeyEvent* key);
    bool datedowneditKeyPress(QWidget* field, QKeyEvent* key);
    bool filterkey(QWidget* field, KeyFilter filter, QKeyEvent* key);
    void originalgravityeditKeyUp();

    // taddform_fill.cpp
    void FormCreate();
    void setunitcaptions();
    void emptyfields();
    void loadselectedrecord();
    void sethints();
    BrewFields fieldsfromcontrols() const;
    void acceptrecord();
    bool FormCloseQuery(int& result);
    int kitposition() const;
    const tbaccrec* selectedrecord() const;
    const tbaccrec* lastrecord() const;
    QRadioButton* kindbutton(int recordtype) const;

    // taddform_aids.cpp
    bool visible() const;
    void markchanged(QObject* field, bool recalculate);
    void propose(QLineEdit* field, const std::string& text);
    void stepspin(QLineEdit* field, SpinField spinfield, bool up);
    void stepdatespin(QLineEdit* field, bool up);
    bool readdatefield(QLineEdit* field, TDateTime& date);
    void writedate(QLineEdit* field, TDateTime date);
    void forcedcarbonationrule();
    // Runs a handler; an error it raises is shown and stops it there.
    void guarded(const std::function<void()>& handler);

    const EditorContext context_;
    const FormatSettings& fs_;
    Messages& messages_;
    QHash<QObject*, FieldEvents> fieldevents_;

    BrewFields accepted_;
    bool acceptedflag_ = false;
    bool kindclicked_ = false;
    bool brewsugarchanged_ = false;
    bool yeastchanged_ = false;
    bool primingsugarchanged_ = false;
    int initialkit_ = -1;
    int initialkind_ = kindKit;
    int extractmemoheight_ = 0; // as designed, for the kind layouts
    bool placed_ = false;
};
