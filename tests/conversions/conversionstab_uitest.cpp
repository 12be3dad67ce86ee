#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "conversions/conversionstab.h"
#include "platform/formatsettings.h"

namespace {

// Types text into a box key by key, as a user does; "\r" is Enter.
void type(QWidget* box, const QString& text)
{
    for (QChar c : text) {
        const int key = c == u'\r' ? int(Qt::Key_Return) : int(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}

class ConversionsTabTest : public ::testing::Test {
protected:
    FormatSettings fs;
    ConversionsTab tab{fs};

    void SetUp() override { tab.show(); }

    static QString text(const QLabel* label) { return label->text(); }
};

TEST_F(ConversionsTabTest, ControlsCarryTheirNames)
{
    for (const char* name : {"tempconedit", "celsiuslabel", "Fahrlabel", "Edit2", "gallonslabel", "litreslabel",
                             "Edit3", "poundslabel", "gramslabel", "Edit4", "ounceslabel", "grams2label", "Edit5",
                             "pintslabel", "millslabel"})
        EXPECT_NE(tab.findChild<QWidget*>(name), nullptr) << name;
    EXPECT_TRUE(tab.celsiuslabel->alignment() & Qt::AlignRight);
}

TEST_F(ConversionsTabTest, AVisitFillsTheEmptyBoxesAndShowsEveryResult)
{
    tab.visit();
    EXPECT_EQ(tab.tempconedit->text(), "0");
    EXPECT_EQ(tab.focusWidget(), tab.tempconedit);
    EXPECT_EQ(text(tab.celsiuslabel), "-17.8 °C");
    EXPECT_EQ(text(tab.Fahrlabel), "32.0 °F");
    EXPECT_EQ(text(tab.gallonslabel), "0.220 gal");
    EXPECT_EQ(text(tab.litreslabel), "4.546 lit");
    EXPECT_EQ(text(tab.poundslabel), "0.002 lbs");
    EXPECT_EQ(text(tab.gramslabel), "453.59 g");
    EXPECT_EQ(text(tab.ounceslabel), "0.035 oz");
    EXPECT_EQ(text(tab.grams2label), "28.35 g");
    EXPECT_EQ(text(tab.pintslabel), "0.002 pts");
    EXPECT_EQ(text(tab.millslabel), "568.20 ml");
}

TEST_F(ConversionsTabTest, AVisitKeepsWhatTheUserTyped)
{
    tab.tempconedit->setText("100");
    tab.Edit3->setText("2.5");
    tab.visit();
    EXPECT_EQ(tab.tempconedit->text(), "100");
    EXPECT_EQ(text(tab.Fahrlabel), "212.0 °F");
    EXPECT_EQ(tab.Edit3->text(), "2.5");
    EXPECT_EQ(text(tab.gramslabel), "1133.98 g");
    EXPECT_EQ(tab.Edit2->text(), "1");
}

TEST_F(ConversionsTabTest, ConvertsAsTheUserTypes)
{
    type(tab.tempconedit, "-");
    EXPECT_EQ(text(tab.celsiuslabel), "");
    EXPECT_EQ(text(tab.Fahrlabel), "");
    type(tab.tempconedit, "5");
    EXPECT_EQ(text(tab.celsiuslabel), "-20.6 °C");
    EXPECT_EQ(text(tab.Fahrlabel), "23.0 °F");
}

TEST_F(ConversionsTabTest, TheFiltersKeepLettersOutAndTheMinusSignOutOfAmounts)
{
    type(tab.tempconedit, "1x+a0");
    EXPECT_EQ(tab.tempconedit->text(), "10");
    type(tab.Edit2, "-2 b.5,");
    EXPECT_EQ(tab.Edit2->text(), "2.5");
    EXPECT_EQ(text(tab.litreslabel), "11.364 lit");
}

TEST_F(ConversionsTabTest, ALoneFullStopEmptiesOnlyItsOwnGroup)
{
    tab.visit();
    tab.Edit2->clear();
    type(tab.Edit2, ".");
    EXPECT_EQ(text(tab.gallonslabel), "");
    EXPECT_EQ(text(tab.litreslabel), "");
    EXPECT_EQ(text(tab.Fahrlabel), "32.0 °F");
    EXPECT_EQ(text(tab.gramslabel), "453.59 g");
}

TEST_F(ConversionsTabTest, PastedMinusNineHundredNinetyNineThousandEmptiesItsGroup)
{
    tab.visit();
    tab.Edit4->setText("-999999");
    EXPECT_EQ(text(tab.ounceslabel), "");
    EXPECT_EQ(text(tab.grams2label), "");
}

TEST_F(ConversionsTabTest, EnterMovesToTheNextBox)
{
    tab.tempconedit->setFocus();
    type(tab.tempconedit, "\r");
    EXPECT_EQ(tab.focusWidget(), tab.Edit2);
    EXPECT_EQ(tab.tempconedit->text(), "");
}

TEST(ConversionsTabHidden, NothingConvertsWhileTheWindowIsHidden)
{
    FormatSettings fs;
    ConversionsTab tab(fs);
    tab.tempconedit->setText("100");
    EXPECT_EQ(tab.Fahrlabel->text(), "");
}

TEST(ConversionsTabComma, AFullStopTypesTheLocaleSeparatorAndTheFractionConverts)
{
    const FormatSettings fs = commadecimalsettings();
    ConversionsTab tab(fs);
    tab.show();
    type(tab.Edit2, "2.5");
    EXPECT_EQ(tab.Edit2->text(), "2,5");
    EXPECT_EQ(tab.gallonslabel->text(), "0,550 gal");
    EXPECT_EQ(tab.litreslabel->text(), "11,364 lit");
    type(tab.tempconedit, "-5,5");
    EXPECT_EQ(tab.tempconedit->text(), "-5,5");
    EXPECT_EQ(tab.Fahrlabel->text(), "22,1 °F");
}

}  // namespace
