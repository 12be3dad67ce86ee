// Adding, editing and deleting brews through the main window, with the data
// file read back afterwards.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <functional>

#include "addacc/taddform.h"
#include "mainform/mainwindow.h"

namespace {

class BrewCommandsTest : public MainWindowTest {
protected:
    int editorsopened = 0;
    QTimer safety; // stops with the test

    // Acts on the editor once the command has shown it; an editor left open
    // is closed after a while, so that a failing test cannot hang.
    void oneditor(std::function<void(Taddform&)> act)
    {
        QTimer::singleShot(0, [this, act] {
            auto* editor = qobject_cast<Taddform*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            ++editorsopened;
            act(*editor);
        });
        safety.setSingleShot(true);
        safety.callOnTimeout([] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->hide();
        });
        safety.start(3000);
    }

    void startwith(std::initializer_list<int> numbers)
    {
        std::vector<BrewFields> brews;
        for (int num : numbers)
            brews.push_back(brew(num, "Brew " + std::to_string(num)));
        writedatafile(brews);
        start();
    }

    RecordList readback()
    {
        FakeMessages quiet;
        auto loaded = DataFile(datafile()).load(quiet);
        EXPECT_TRUE(loaded.has_value());
        return loaded ? std::move(loaded->records) : RecordList {};
    }
};

TEST_F(BrewCommandsTest, AddedBrewIsSelectedAndSaved)
{
    startwith({ 3, 12, 7 });
    form->grid->setRow(1);
    oneditor([](Taddform& editor) {
        EXPECT_EQ(editor.batchnoedit->text(), "13");
        editor.batchnameedit->setText("New stout");
        editor.okbuttonClick();
    });
    form->Addaccount1Click();

    EXPECT_EQ(editorsopened, 1);
    EXPECT_EQ(form->grid->Cells(0, form->selectedrow()), "13");
    EXPECT_TRUE(form->acceptedbatchnum.empty());
    EXPECT_TRUE(rowsfollowlist());
    const RecordList saved = readback();
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(saved.back()->num, 13);
    EXPECT_EQ(getshortstring(saved.back()->batchname), "New stout");
    EXPECT_EQ(getshortstring(saved.back()->kit), "Brew 7 kit"); // the last brew's kit
}

TEST_F(BrewCommandsTest, CancelledAddStoresNothing)
{
    startwith({ 1, 2 });
    oneditor([](Taddform& editor) { editor.cancelbuttonClick(); });
    form->Addaccount1Click();
    EXPECT_EQ(form->recordlist.size(), 2u);
    EXPECT_EQ(form->grid->RowCount(), 3);
}

TEST_F(BrewCommandsTest, EditReplacesTheSelectedBrewAndSaves)
{
    BrewFields first = brew(4, "Pale");
    first.add5 = "kept by another program";
    writedatafile({ brew(2, "Dark"), first, brew(9, "Wheat") });
    start();
    form->grid->setRow(2);
    oneditor([](Taddform& editor) {
        EXPECT_EQ(editor.batchnoedit->text(), "4");
        EXPECT_EQ(editor.batchnameedit->text(), "Pale");
        editor.batchnameedit->setText("Pale ale");
        editor.batchnameedit->setModified(true);
        editor.okbuttonClick();
    });
    form->Editaccount1Click();

    ASSERT_EQ(editorsopened, 1);
    EXPECT_EQ(form->grid->Cells(1, 2), "Pale ale");
    const RecordList saved = readback();
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[1]->num, 4);
    EXPECT_EQ(getshortstring(saved[1]->batchname), "Pale ale");
    EXPECT_EQ(getshortstring(saved[1]->add5), ""); // the editor writes the whole record
    EXPECT_EQ(getshortstring(saved[2]->batchname), "Wheat");
}

TEST_F(BrewCommandsTest, SaveQuestionYesStoresTheEditedBrew)
{
    startwith({ 1, 2 });
    form->grid->setRow(1);
    messages.answers.push_back(Answer::yes);
    oneditor([](Taddform& editor) {
        editor.batchnameedit->setText("Changed");
        editor.batchnameedit->setModified(true);
        editor.reject(); // Escape or the close button
    });
    form->Editaccount1Click();
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(getshortstring(readback()[0]->batchname), "Changed");
}

TEST_F(BrewCommandsTest, DoubleClickEditsOnlyOnADataRow)
{
    startwith({ 1, 2 });
    form->grid->setRow(2);
    form->gridclickrow = 0; // below the last row
    form->gridDblClick();
    EXPECT_EQ(editorsopened, 0);

    form->gridclickrow = 2;
    oneditor([](Taddform& editor) {
        EXPECT_EQ(editor.batchnoedit->text(), "2");
        editor.cancelbuttonClick();
    });
    form->gridDblClick();
    EXPECT_EQ(editorsopened, 1);
}

TEST_F(BrewCommandsTest, DeleteAsksThenSelectsTheFollowingBrew)
{
    struct Case {
        int row;
        int selected;
    };
    for (const Case c : { Case { 3, 3 }, Case { 5, 4 } }) {
        startwith({ 1, 2, 3, 4, 5 });
        form->grid->setRow(c.row);
        messages.asked.clear();
        messages.answers.push_back(Answer::yes);
        form->Deleteaccount1Click();

        ASSERT_EQ(messages.asked.size(), 1u);
        const std::string n = std::to_string(c.row);
        EXPECT_EQ(messages.asked[0],
            "Delete the account information for\rBatch No. " + n + "  (Brew " + n
                + ")\r\rAre you sure you want to delete this entry?");
        EXPECT_EQ(form->recordlist.size(), 4u);
        EXPECT_EQ(form->selectedrow(), c.selected);
        EXPECT_TRUE(form->listmodified);
        EXPECT_TRUE(rowsfollowlist());
        EXPECT_EQ(readback().size(), 5u); // written at the next save
        form.reset();
    }
}

TEST_F(BrewCommandsTest, DeleteAnsweredNoKeepsTheBrew)
{
    startwith({ 1, 2 });
    form->grid->setRow(1);
    messages.answers.push_back(Answer::no);
    form->Deleteaccount1Click();
    EXPECT_EQ(form->recordlist.size(), 2u);
    EXPECT_FALSE(form->listmodified);
}

TEST_F(BrewCommandsTest, DeletingTheOnlyBrewLeavesTheBlankRowAndTheCloseSavesIt)
{
    startwith({ 1 });
    messages.answers.push_back(Answer::yes);
    form->Deleteaccount1Click();
    EXPECT_TRUE(form->recordlist.empty());
    EXPECT_EQ(form->selectedrow(), 1);
    EXPECT_EQ(form->grid->RowCount(), 2);
    closeform();
    EXPECT_TRUE(readback().empty());
}

TEST_F(BrewCommandsTest, AnEmptyListHasNothingToEditOrDelete)
{
    writedatafile({});
    start();
    form->Editaccount1Click();
    form->gridclickrow = 1;
    form->gridDblClick();
    form->Deleteaccount1Click();
    EXPECT_EQ(messages.shown,
        (std::vector<std::string> {
            "No brew records to edit.", "No records to edit/view", "No brew records to delete." }));
    EXPECT_EQ(editorsopened, 0);

    oneditor([](Taddform& editor) {
        EXPECT_TRUE(editor.kitrb->isChecked());
        editor.okbuttonClick();
    });
    form->Addaccount1Click();
    EXPECT_EQ(readback().size(), 1u);
    EXPECT_EQ(form->grid->Cells(0, form->selectedrow()), "1");
}

} // namespace
