#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <cstring>

#include "addacc/editorwidgets.h"
#include "editorfixture.h"
#include "platform/qtext.h"

using namespace editortest;

namespace {

BrewFields brew(int num, const char* kit, int kind = kindKit)
{
    BrewFields f;
    f.num = num;
    f.kit = kit;
    f.recordtype = kind;
    return f;
}

bool samebytes(const tbaccrec& a, const tbaccrec& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool shown(const QWidget* w)
{
    return !w->isHidden();
}

} // namespace

TEST(EditorFilling, NewBrewTakesItsKindFromTheSelectedBrewAndItsNamesFromTheLast)
{
    Editor e;
    createnewrec(e.records, brew(3, "Coopers Lager"));
    createnewrec(e.records, brew(12, "Black Rock Stout", kindExtract));
    BrewFields last = brew(7, "Muntons Bitter");
    last.brewsugar = "Brown sugar";
    last.yeast = "Nottingham";
    last.primingsugar = "Coopers sugar drops";
    createnewrec(e.records, last);

    Taddform& f = e.open(1, false);
    EXPECT_EQ(f.windowTitle(), "Editing a brew record");
    EXPECT_EQ(f.batchnoedit->text(), "13");
    EXPECT_TRUE(f.extractrb->isChecked());
    EXPECT_FALSE(shown(f.brewkitscb));
    EXPECT_TRUE(shown(f.extractmemo));
    EXPECT_EQ(f.brewkitscb->currentText(), "Muntons Bitter");
    EXPECT_EQ(f.brewkitscb->count(), 3);
    EXPECT_EQ(f.Brewingsugarcb->currentText(), "Brown sugar");
    EXPECT_EQ(f.yeastcb->currentText(), "Nottingham");
    EXPECT_EQ(f.primingsugarcb->currentText(), "Coopers sugar drops");
    for (QLineEdit* empty :
        { f.batchnameedit, f.datedownedit, f.kgusededit, f.wateredit, f.originalgravityedit,
            f.finalgravityedit, f.alcedit, f.bottlededit, f.minedit, f.maxedit, f.add1edit })
        EXPECT_TRUE(empty->text().isEmpty()) << empty->objectName().toStdString();
    EXPECT_EQ(f.fulllabel->text(), "0 % full");
    EXPECT_FALSE(f.gravwarninglabel->isVisible());
    EXPECT_FALSE(f.ismodified());
}

TEST(EditorFilling, AnEmptyListOpensAsTheFirstKitBrew)
{
    Editor e;
    Taddform& f = e.add();
    EXPECT_EQ(f.batchnoedit->text(), "1");
    EXPECT_TRUE(f.kitrb->isChecked());
    EXPECT_EQ(f.brewkitscb->currentText(), "Example brew kit");
    EXPECT_EQ(f.Brewingsugarcb->currentText(), "Dextrose (brewers sugar)");
    EXPECT_EQ(f.primingsugarcb->currentText(), "Sucrose (ordinary sugar)");
    EXPECT_EQ(f.yeastcb->currentText(), "");
    EXPECT_FALSE(f.ismodified());
}

TEST(EditorFilling, CaptionsFollowTheUnits)
{
    for (bool metric : { true, false }) {
        Editor e;
        e.metric = metric;
        Taddform& f = e.add();
        EXPECT_EQ(f.Label31->text(), metric ? "C" : "F");
        EXPECT_EQ(f.kgusedlabel->text(), metric ? "kg used:" : "lbs used:");
        EXPECT_EQ(f.Label13->text(), metric ? "kg used:" : "lbs used:");
        EXPECT_EQ(f.kglabel->text(), metric ? "kg" : "lbs");
        EXPECT_EQ(f.waterlabel->text(), metric ? "Litres of water:" : "Gallons of water:");
    }
}

TEST(EditorFilling, EditingShowsEveryFieldAndAcceptsItUnchanged)
{
    Editor e;
    createnewrec(e.records, fullbrew(5, "Coopers Lager", kindModifiedKit));
    createnewrec(e.records, brew(9, "Other kit"));

    Taddform& f = e.edit(0);
    EXPECT_EQ(f.batchnoedit->text(), "5");
    EXPECT_EQ(f.brewkitscb->currentText(), "Coopers Lager");
    EXPECT_EQ(f.datedownedit->text(), "01/03/2024");
    EXPECT_EQ(f.bottlededit->text(), "08/03/2024");
    EXPECT_EQ(f.kgusededit->text(), "1.250");
    EXPECT_EQ(f.wateredit->text(), "23.5");
    EXPECT_EQ(f.Brewingsugarcb->currentText(), "Light dry malt");
    EXPECT_EQ(f.yeastcb->currentText(), "Safale US-05");
    EXPECT_EQ(f.originalgravityedit->text(), "1044");
    EXPECT_EQ(f.pskgusededit->text(), "0.180");
    EXPECT_EQ(f.brewtempedit->text(), "20.5");
    EXPECT_EQ(f.alcedit->text(), "5.2");
    EXPECT_EQ(f.maxedit->text(), "23/03/2025");
    EXPECT_EQ(f.add3edit->text(), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(f.tasteedit->value(), 30);
    EXPECT_EQ(f.Memo->toPlainText(), "First line\nSecond line");
    EXPECT_EQ(f.fermkgedit->text(), "1.500");
    EXPECT_TRUE(f.modifiedkitrb->isChecked());
    EXPECT_FALSE(f.ismodified());

    f.okbuttonClick();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.acceptedbatchno, "5");
    EXPECT_TRUE(samebytes(*makerecord(f.accepted()), *e.records[0]));
}

TEST(EditorFilling, ABrewWithNothingGivenShowsEmptyFieldsAndKeepsNothingGiven)
{
    Editor e;
    createnewrec(e.records, brew(4, "Coopers Lager"));
    BrewFields blank; // every field not given, no number
    createnewrec(e.records, blank);

    Taddform& f = e.edit(1);
    EXPECT_EQ(f.batchnoedit->text(), "5"); // the proposed number stays
    EXPECT_EQ(f.brewkitscb->currentText(), "");
    for (QLineEdit* empty :
        { f.datedownedit, f.kgusededit, f.wateredit, f.originalgravityedit, f.pskgusededit,
            f.finalgravityedit, f.primaryedit, f.brewtempedit, f.alcedit, f.minedit, f.fermkgedit })
        EXPECT_TRUE(empty->text().isEmpty()) << empty->objectName().toStdString();

    f.okbuttonClick();
    blank.num = 5;
    EXPECT_TRUE(samebytes(*makerecord(f.accepted()), *makerecord(blank)));
}

TEST(EditorFilling, ALoadedForcedCarbonationBrewHasNoPrimingWeight)
{
    Editor e;
    BrewFields b = brew(1, "Kit");
    b.primingsugar = "Force carbonation (CO2 bottle)";
    createnewrec(e.records, b);
    Taddform& f = e.edit(0);
    EXPECT_FALSE(f.pskgusededit->isEnabled());
    EXPECT_FALSE(f.pskgusedspin->isEnabled());
    EXPECT_FALSE(f.Label13->isEnabled());
}

TEST(EditorAccepting, LongTextsAreCutToWhatTheRecordHolds)
{
    Editor e;
    Taddform& f = e.add();
    f.brewkitscb->setEditText(QString(120, QLatin1Char('k')));
    f.Memo->setPlainText(QString(2100, QLatin1Char('n')));
    f.okbuttonClick();
    const auto rec = makerecord(f.accepted());
    EXPECT_EQ(getshortstring(rec->kit), std::string(100, 'k'));
    EXPECT_EQ(getnotesstring(*rec), std::string(1999, 'n'));
    EXPECT_EQ(f.accepted().notes, std::string(1999, 'n')); // the memo itself held no more
}

TEST(EditorClosing, AnUntouchedBrewClosesWithoutAQuestion)
{
    Editor e;
    createnewrec(e.records, fullbrew(5, "Kit", kindKit));
    Taddform& f = e.edit(0);
    key(f.batchnameedit, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_TRUE(e.messages.asked.empty());
}

TEST(EditorClosing, TheSaveQuestionsThreeAnswers)
{
    struct Case {
        Answer answer;
        bool staysopen;
        int result;
    };
    for (const Case c :
        { Case { Answer::cancel, true, QDialog::Rejected }, Case { Answer::no, false, QDialog::Rejected },
            Case { Answer::yes, false, QDialog::Accepted } }) {
        Editor e;
        createnewrec(e.records, fullbrew(5, "Kit", kindKit));
        Taddform& f = e.edit(0);
        type(f.batchnameedit, "X");
        e.messages.answers.push_back(c.answer);
        key(f.batchnameedit, Qt::Key_Escape);

        ASSERT_EQ(e.messages.asked.size(), 1u);
        EXPECT_EQ(
            e.messages.asked[0], "This brew record has been modified.\nDo you want to save the changes?");
        EXPECT_EQ(f.isVisible(), c.staysopen);
        if (!c.staysopen) {
            EXPECT_EQ(f.result(), c.result);
        }
        if (c.answer == Answer::yes) {
            EXPECT_EQ(f.accepted().batchname, "Batch 5X");
        }
    }
}

TEST(EditorClosing, WhatCountsAsAChange)
{
    Editor e;
    createnewrec(e.records, brew(1, "Alpha"));
    createnewrec(e.records, brew(2, "Beta"));
    Taddform& f = e.edit(0);
    EXPECT_FALSE(f.ismodified());

    f.brewkitscb->setCurrentIndex(1);
    EXPECT_TRUE(f.ismodified());
    f.brewkitscb->setCurrentIndex(0);
    EXPECT_FALSE(f.ismodified());
    f.brewkitscb->setEditText("A kit typed in");
    EXPECT_TRUE(f.ismodified());
    f.brewkitscb->setCurrentIndex(0);

    f.extractrb->click();
    EXPECT_TRUE(f.ismodified());
    f.kitrb->click();
    EXPECT_FALSE(f.ismodified());

    f.UpDown2->downbutton()->click(); // a spin click on a field without change handler
    EXPECT_EQ(f.wateredit->text(), "23.0");
    EXPECT_TRUE(f.ismodified());
}

TEST(EditorBatchNumber, ANumberThatIsTakenIsReplacedByTheNextFree)
{
    Editor e;
    for (int num : { 3, 12, 5 })
        createnewrec(e.records, brew(num, "Kit"));
    Taddform& f = e.add();
    retype(f.batchnoedit, "5");
    enter(f.batchnameedit);
    ASSERT_EQ(e.messages.shown.size(), 1u);
    EXPECT_EQ(e.messages.shown[0], "Batch No. 5 already exists.  Making it 13");
    EXPECT_EQ(f.batchnoedit->text(), "13");
    EXPECT_TRUE(f.batchnoedit->hasFocus());

    // The corrected number is not checked again until the user types.
    enter(f.batchnameedit);
    EXPECT_EQ(e.messages.shown.size(), 1u);
}

TEST(EditorBatchNumber, AnEditedBrewKeepsItsOwnNumber)
{
    Editor e;
    for (int num : { 3, 12, 5 })
        createnewrec(e.records, brew(num, "Kit"));
    Taddform& f = e.edit(2);
    retype(f.batchnoedit, "5");
    enter(f.batchnameedit);
    retype(f.batchnoedit, "3");
    enter(f.batchnameedit);
    EXPECT_EQ(e.messages.shown, std::vector<std::string> { "Batch No. 3 already exists.  Making it 13" });
}

TEST(EditorBatchNumber, ATakenNumberKeepsTheWindowOpenOnClosing)
{
    Editor e;
    createnewrec(e.records, brew(5, "Kit"));
    Taddform& f = e.add();
    f.batchnoedit->setText("5");
    f.batchnoedit->setModified(true);
    f.cancelbuttonClick();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.batchnoedit->text(), "6");
    EXPECT_TRUE(e.messages.asked.empty());
}

TEST(EditorKinds, EachKindShowsItsRowsAndIsStored)
{
    struct Case {
        QRadioButton* Taddform::*button;
        bool kitrows;
        bool extractrows;
        int kind;
    };
    for (const Case c : { Case { &Taddform::kitrb, true, false, kindKit },
             Case { &Taddform::extractrb, false, true, kindExtract },
             Case { &Taddform::modifiedkitrb, true, true, kindModifiedKit } }) {
        Editor e;
        createnewrec(e.records, brew(1, "Coopers Lager", kindModifiedKit));
        Taddform& f = e.add();
        (f.*c.button)->click();
        for (QWidget* w : std::initializer_list<QWidget*> { f.brewkitlabel, f.brewkitscb, f.sugarlabel,
                 f.Brewingsugarcb, f.kgusededit, f.kgusedspin, f.kgusedlabel })
            EXPECT_EQ(shown(w), c.kitrows) << w->objectName().toStdString();
        for (QWidget* w : std::initializer_list<QWidget*> {
                 f.extractslabel, f.extractmemo, f.kglabel, f.fermentlabel, f.fermkgedit, f.fermkgspin })
            EXPECT_EQ(shown(w), c.extractrows) << w->objectName().toStdString();
        for (QWidget* w : std::initializer_list<QWidget*> { f.wateredit, f.yeastcb, f.originalgravityedit })
            EXPECT_TRUE(shown(w));
        EXPECT_EQ(f.ismodified(), c.kind != kindModifiedKit);
        f.okbuttonClick();
        EXPECT_EQ(f.accepted().recordtype, c.kind);
        EXPECT_EQ(f.accepted().kit, "Coopers Lager"); // hidden fields are stored all the same
    }
}
