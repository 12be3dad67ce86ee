#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "kbfiles.h"
#include "knowledge/knowledgetab.h"
#include "platform/fakemessages.h"
#include "records/tempfolder.h"

namespace {

const std::vector<std::string> threearticles = {
    "Cleaning the fermenter\nSubject: hygiene\n\nScrub, rinse and sanitise.",
    "Yeast and pitching\nSubject: fermentation\n\nPitch the YEAST at 20 C.\nRehydrate yeast first.",
    "Bottling day\nSubject: packaging\n\nDead yeast settles in each bottle.",
};

class KnowledgeTabTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tab.resize(700, 400);
        tab.show();
        tab.activateWindow();
        QApplication::processEvents();
    }
    void writeknow(const std::string& bytes) { kbfiles::writefile(folder.file("know.dat"), bytes); }
    void search(const QString& text)
    {
        tab.kbsearchedit->setText(text);
        tab.kbsearchbutton->click();
    }
    QStringList listed() const
    {
        QStringList titles;
        for (int i = 0; i < tab.kblb->count(); ++i)
            titles << tab.kblb->item(i)->text();
        return titles;
    }
    // The colour of the article box's text at a position.
    QColor colourat(int position) const
    {
        QTextCursor cursor(tab.kbedit->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat().foreground().color();
    }

    TempFolder folder;
    FakeMessages messages;
    KnowledgeTab tab{folder.path().string(), messages};
};

const QColor green(0, 128, 0);
const QColor red(255, 0, 0);

}  // namespace

TEST_F(KnowledgeTabTest, SearchListsMatchesAndShowsTheFirstWithHeadingAndMatchesColoured)
{
    writeknow(kbfiles::knowbytes(threearticles));
    search("yeast");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(listed(), (QStringList{"Yeast and pitching", "Bottling day"}));
    EXPECT_EQ(tab.kblb->currentRow(), 0);
    EXPECT_EQ(tab.kbsearchbutton->text(), "&Search");
    EXPECT_FALSE(tab.pb->isVisible());

    const QString text = tab.kbedit->toPlainText();
    EXPECT_EQ(text, "Yeast and pitching\nSubject: fermentation\n\nPitch the YEAST at 20 C.\n"
                    "Rehydrate yeast first.\n\n[Item courtesy of 3rd party source]");
    EXPECT_EQ(colourat(0), red);                                 // "Yeast" in the title
    EXPECT_EQ(colourat(text.indexOf("and pitching")), green);    // rest of the heading
    EXPECT_EQ(colourat(text.indexOf("fermentation")), green);
    EXPECT_EQ(colourat(text.indexOf("YEAST")), red);
    EXPECT_EQ(colourat(text.indexOf("yeast first")), red);
    EXPECT_EQ(colourat(text.indexOf("Pitch")), QColor(Qt::black));
    EXPECT_NE(colourat(text.indexOf("[Item")), red);
    EXPECT_NE(colourat(text.indexOf("[Item")), green);
}

TEST_F(KnowledgeTabTest, ClickingAnotherEntryShowsItForTheCurrentSearchText)
{
    writeknow(kbfiles::knowbytes(threearticles));
    search("yeast");
    tab.kbsearchedit->setText("  BOTTLE ");
    tab.kblb->setCurrentRow(1);
    const QString text = tab.kbedit->toPlainText();
    ASSERT_TRUE(text.startsWith("Bottling day\n"));
    EXPECT_EQ(colourat(text.indexOf("bottle.")), red);
    EXPECT_NE(colourat(text.indexOf("yeast")), red);
}

TEST_F(KnowledgeTabTest, MessagesForEmptyTextMissingFileAndNoMatch)
{
    search("");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Enter a search string"});
    EXPECT_TRUE(tab.kbedit->hasFocus());

    messages.shown.clear();
    search("yeast");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"know.dat not found"});

    writeknow(kbfiles::knowbytes(threearticles));
    search("yeast");
    messages.shown.clear();
    search("lager");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Search string not found"});
    EXPECT_EQ(listed().size(), 0);
    EXPECT_TRUE(tab.kbedit->toPlainText().startsWith("Yeast and pitching"));  // kept

    // The file goes away between the search and the click.
    search("yeast");
    std::filesystem::remove(folder.file("know.dat"));
    messages.shown.clear();
    tab.kblb->setCurrentRow(1);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"know.dat not found"});
    EXPECT_TRUE(tab.kbedit->toPlainText().isEmpty());
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(KnowledgeTabTest, EnterInTheSearchBoxSearchesAndGoesNoFurther)
{
    writeknow(kbfiles::knowbytes(threearticles));
    tab.kbsearchedit->setText("rinse");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_TRUE(QApplication::sendEvent(tab.kbsearchedit, &enter));
    EXPECT_EQ(listed(), QStringList{"Cleaning the fermenter"});
    EXPECT_EQ(tab.kbsearchedit->text(), "rinse");
}

// A file long enough that the search pauses many times.
std::string longknow(int articles)
{
    std::vector<std::string> list;
    for (int i = 0; i < articles; ++i)
        list.push_back("Malt article " + std::to_string(i) + "\n\nmalt\nfiller\nfiller\nfiller");
    return kbfiles::knowbytes(list);
}

TEST_F(KnowledgeTabTest, StopKeepsTheEntriesFoundAndOpensNone)
{
    writeknow(longknow(2000));
    QString captionwhilerunning;
    bool pbshown = false;
    QTimer::singleShot(0, &tab, [&] {
        captionwhilerunning = tab.kbsearchbutton->text();
        pbshown = tab.pb->isVisible();
        tab.kbsearchbutton->click();
    });
    search("MALT");
    EXPECT_EQ(captionwhilerunning, "&Stop");
    EXPECT_TRUE(pbshown);
    EXPECT_GT(tab.kblb->count(), 0);
    EXPECT_LT(tab.kblb->count(), 2000);
    EXPECT_TRUE(tab.kbedit->toPlainText().isEmpty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(tab.kbsearchbutton->text(), "&Search");
    EXPECT_FALSE(tab.pb->isVisible());
    EXPECT_FALSE(tab.searching());
    EXPECT_TRUE(tab.kblb->updatesEnabled());
}

TEST_F(KnowledgeTabTest, ClickingSearchAgainBeforeTheStopLandsStartsNoSecondSearch)
{
    writeknow(longknow(2000));
    int clicksdone = 0;
    QTimer::singleShot(0, &tab, [&] {
        tab.kbsearchbutton->click();  // Stop
        tab.kbsearchbutton->click();  // reads "&Search" again, but the first search still unwinds
        clicksdone = 2;
    });
    search("MALT");
    EXPECT_EQ(clicksdone, 2);
    EXPECT_LT(tab.kblb->count(), 2000);
    EXPECT_TRUE(tab.kbedit->toPlainText().isEmpty());
    EXPECT_FALSE(tab.searching());
}

TEST_F(KnowledgeTabTest, ClosingTheWindowEndsARunningSearch)
{
    writeknow(longknow(2000));
    QTimer::singleShot(0, &tab, [&] { tab.close(); });
    search("MALT");
    EXPECT_LT(tab.kblb->count(), 2000);
    EXPECT_FALSE(tab.searching());
}

TEST_F(KnowledgeTabTest, ClickingTheListWithNothingSelectedChangesNothing)
{
    writeknow(kbfiles::knowbytes(threearticles));
    search("yeast");
    const QString shown = tab.kbedit->toPlainText();
    tab.kblb->clearSelection();
    tab.kblbClick();
    EXPECT_EQ(tab.kbedit->toPlainText(), shown);
    EXPECT_TRUE(messages.shown.empty());
}
