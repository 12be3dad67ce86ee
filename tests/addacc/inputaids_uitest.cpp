#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "addacc/editorwidgets.h"
#include "editorfixture.h"

using namespace editortest;

TEST(EditorAids, AlcoholFollowsTheGravitiesAsTheyAreTyped)
{
    Editor e;
    Taddform& f = e.add();
    enter(f.originalgravityedit);
    EXPECT_EQ(f.originalgravityedit->text(), "1042");
    EXPECT_EQ(f.alcedit->text(), ""); // no final gravity yet
    enter(f.finalgravityedit);
    EXPECT_EQ(f.finalgravityedit->text(), "1006");
    EXPECT_EQ(f.alcedit->text(), "4.8");

    retype(f.finalgravityedit, "1050");
    EXPECT_EQ(f.alcedit->text(), "4.8"); // typing the final gravity does not recalculate
    enter(f.alcedit);
    EXPECT_TRUE(f.gravwarninglabel->isVisible());
    EXPECT_EQ(f.alcedit->text(), "4.8"); // kept while the warning shows
    retype(f.finalgravityedit, "1041");
    enter(f.alcedit);
    EXPECT_FALSE(f.gravwarninglabel->isVisible());
    EXPECT_EQ(f.alcedit->text(), "0.1");

    retype(f.originalgravityedit, "");
    EXPECT_EQ(f.alcedit->text(), ""); // no original gravity
    retype(f.finalgravityedit, "1006");
    retype(f.originalgravityedit, "1042");
    type(f.brewtempedit, ""); // proposes 21.0
    retype(f.pskgusededit, "0.180");
    EXPECT_EQ(f.brewtempedit->text(), "21.0");
    EXPECT_EQ(f.alcedit->text(), "5.2");

    f.finalgravityspin->upbutton()->click();
    EXPECT_EQ(f.finalgravityedit->text(), "1007");
    EXPECT_EQ(f.alcedit->text(), "5.0");
}

TEST(EditorAids, EmptyFieldsProposeTheirUsualValues)
{
    struct Case {
        QLineEdit* Taddform::*field;
        bool metric;
        const char* proposed;
    };
    for (const Case c :
        { Case { &Taddform::kgusededit, true, "1.000" }, Case { &Taddform::wateredit, true, "23.0" },
            Case { &Taddform::wateredit, false, "5.0" }, Case { &Taddform::pskgusededit, true, "0.180" },
            Case { &Taddform::brewtempedit, false, "70.0" }, Case { &Taddform::fermkgedit, true, "2.000" },
            Case { &Taddform::datedownedit, true, "05/03/2024" } }) {
        Editor e;
        e.metric = c.metric;
        Taddform& f = e.add();
        f.modifiedkitrb->click();
        enter(f.*c.field);
        EXPECT_EQ((f.*c.field)->text(), c.proposed) << (f.*c.field)->objectName().toStdString();
    }
}

TEST(EditorAids, ProposedDatesFollowTheDateDown)
{
    Editor e; // today is 05/03/2024
    Taddform& f = e.add();
    f.datedownedit->setText("01/03/2024");
    enter(f.bottlededit);
    EXPECT_EQ(f.bottlededit->text(), "05/03/2024");
    EXPECT_TRUE(f.bottlededit->isModified());
    retype(f.bottlededit, "08/03/2024");
    enter(f.minedit);
    EXPECT_EQ(f.primaryedit->text(), "7"); // leaving the bottling date
    EXPECT_EQ(f.minedit->text(), "23/03/2024");
    enter(f.maxedit);
    EXPECT_EQ(f.maxedit->text(), "23/03/2025");

    f.bottUpDown->upbutton()->click();
    EXPECT_EQ(f.bottlededit->text(), "09/03/2024");
    EXPECT_EQ(f.primaryedit->text(), "8");
    f.bottlededit->setText("28/02/2024"); // before the date down
    enter(f.primaryedit);
    EXPECT_EQ(f.primaryedit->text(), "8");
}

TEST(EditorAids, ADateAidWhoseSourceIsNoDateSaysSoAndChangesNothing)
{
    Editor e;
    Taddform& f = e.add();
    f.datedownedit->setText("first of March");
    enter(f.bottlededit);
    EXPECT_EQ(f.bottlededit->text(), "");
    ASSERT_EQ(e.messages.shown.size(), 1u);
    EXPECT_EQ(e.messages.shown[0], "'first of March' is not a valid date");

    f.bottlededit->setText("31/02/2024");
    f.minedit->setText("01/01/2025");
    enter(f.minedit);
    EXPECT_EQ(f.minedit->text(), "01/01/2025");
    EXPECT_EQ(e.messages.shown.back(), "'31/02/2024' is not a valid date");

    f.bottUpDown->upbutton()->click(); // the date spin ignores it silently
    EXPECT_EQ(f.bottlededit->text(), "31/02/2024");
    EXPECT_TRUE(f.isVisible());
}

TEST(EditorAids, KeyFiltersTakeTheLocaleSeparatorsAndEnterMovesOn)
{
    Editor e;
    e.fs = commadecimalsettings();
    Taddform& f = e.add();
    type(f.kgusededit, "x"); // proposes 1,000; the letter is refused
    EXPECT_EQ(f.kgusededit->text(), "1,000");
    retype(f.kgusededit, "1.5");
    EXPECT_EQ(f.kgusededit->text(), "1,5");
    type(f.minedit, "01-02/2025a");
    EXPECT_EQ(f.minedit->text(), "01.02.2025");
    type(f.secondaryedit, "1-4.");
    EXPECT_EQ(f.secondaryedit->text(), "14");

    enter(f.batchnameedit);
    key(f.batchnameedit, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(f.datedownedit->hasFocus());

    f.okbuttonClick();
    EXPECT_DOUBLE_EQ(f.accepted().kgused, 1.5);
    EXPECT_EQ(f.accepted().days2, 14);
}

TEST(EditorAids, SpinButtonsStepTheirFields)
{
    Editor e;
    Taddform& f = e.add();
    f.kgusededit->setText("0.05");
    f.kgusedspin->downbutton()->click();
    EXPECT_EQ(f.kgusededit->text(), "0.000");
    f.kgusedspin->downbutton()->click();
    EXPECT_EQ(f.kgusededit->text(), "");
    f.tempspin->upbutton()->click();
    EXPECT_EQ(f.brewtempedit->text(), "21.0");
    f.originalgravspin->downbutton()->click();
    EXPECT_EQ(f.originalgravityedit->text(), "1042");
    f.datedownedit->setText("01/03/2024");
    f.downUpDown->downbutton()->click();
    EXPECT_EQ(f.datedownedit->text(), "29/02/2024");
    EXPECT_TRUE(f.ismodified());
}

TEST(EditorAids, ForcedCarbonationTakesThePrimingWeightAway)
{
    Editor e;
    Taddform& f = e.add();
    f.pskgusededit->setText("0.180");
    f.primingsugarcb->setCurrentIndex(f.primingsugarcb->findText("Force carbonation (CO2 bottle)"));
    EXPECT_EQ(f.pskgusededit->text(), "");
    EXPECT_FALSE(f.pskgusededit->isEnabled());
    EXPECT_FALSE(f.Label13->isEnabled());
    f.primingsugarcb->setCurrentIndex(f.primingsugarcb->findText("Raw sugar"));
    EXPECT_TRUE(f.pskgusededit->isEnabled());
    EXPECT_TRUE(f.pskgusedspin->isEnabled());
    EXPECT_EQ(f.pskgusededit->text(), "");
    EXPECT_TRUE(f.ismodified());
}

TEST(EditorAids, NotesGaugeAndTastingHelp)
{
    Editor e;
    Taddform& f = e.add();
    f.Memo->setPlainText(QString(1000, QLatin1Char('a')));
    EXPECT_EQ(f.fulllabel->text(), "50 % full");
    f.Memo->setPlainText(QString(14, QLatin1Char('a')) + "\n"); // a line break counts twice
    EXPECT_EQ(f.fulllabel->text(), "1 % full");
    EXPECT_FALSE(f.ismodified());
    type(f.Memo, "b");
    EXPECT_TRUE(f.ismodified());

    f.XButton1->click();
    EXPECT_EQ(e.messages.shown.back(),
        "Go to \"Reports - Tasting Sheet\" to print out a Tasting Sheet for the "
        "current brew, then come back here to enter the results.");
}
