// The main window's menus, toolbar, pop-up menu, keys and tabs.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "mainform/mainwindow.h"
#include "mainform/orvanti.h"
#include "platform/linklabel.h"

namespace {

class CommandsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        std::vector<BrewFields> brews;
        for (int i = 1; i <= 5; ++i)
            brews.push_back(brew(i, i % 2 ? "Ale " + std::to_string(i) : "Lager " + std::to_string(i)));
        writedatafile(brews);
        start();
    }

    void showtab(QWidget* sheet)
    {
        form->pc->setCurrentWidget(sheet);
        QApplication::processEvents();
    }
};

TEST_F(CommandsTest, MenusHoldEveryItemWithItsCaptionAndShortcut)
{
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"Properties1", "File Properties", {}},
        {"Options1", "Options", {}},
        {"Exit1", "Exit", QKeySequence("Ctrl+Q")},
        {"Addaccount1", "Add a brew record", QKeySequence("Ctrl+A")},
        {"Editaccount1", "Edit brew record", QKeySequence("Ctrl+E")},
        {"Deleteaccount1", "Delete brew record", {}},
        {"Brandlist1", "Brand &list", {}},
        {"Brewlist1", "&Brew list", {}},
        {"PrintdetailsforBrewNo1", "Details for Brew No.", {}},
        {"TastingSheetforPrinting1", "Tasting Sheet for Brew No. for Printing", {}},
        {"LabelsforBrewNo1", "Bottle Labels for Brew No.", {}},
        {"brewlistcsvitem", "Export as CSV file", {}},
        {"Seeallcolumns1", "See all columns", {}},
        {"Minimize1", "Minimize", QKeySequence("Ctrl+Y")},
        {"Contents1", "Contents", QKeySequence("F1")},
        {"AboutKeystave", "About this program", {}},
        {"Edit1", "Edit", {}},
        {"Delete1", "Delete", {}},
        {"Reportbrewdetails1", "Create brew details report  for this brew", {}},
        {"TastingSheetforthisbrew1", "Create Tasting Sheet for this brew", {}},
        {"Createbottlelabelsforthisbrew1", "Create bottle labels for this brew", {}},
        {"Cancel1", "Cancel", {}},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        auto* action = form->findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), item.caption);
        EXPECT_EQ(action->shortcut(), item.shortcut);
    }
    QStringList menus;
    for (QAction* menu : form->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "Reports", "&View", "&Help"}));
    EXPECT_EQ(form->Reports1->actions().size(), 7);
}

TEST_F(CommandsTest, ToolbarButtonsShareTheMenuActions)
{
    const std::pair<const char*, QAction*> buttons[] = {
        {"ToolButton10", form->Addaccount1}, {"ToolButton11", form->Editaccount1},
        {"ToolButton5", form->Properties1},  {"ToolButton14", form->Deleteaccount1},
        {"ToolButton16", form->Options1},    {"ToolButton19", form->AboutKeystave},
    };
    for (const auto& [name, action] : buttons) {
        auto* button = form->findChild<QToolButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->defaultAction(), action) << name;
    }
    EXPECT_EQ(form->Addaccount1->toolTip(), "Create/Add a new brew record");
    EXPECT_EQ(form->Deleteaccount1->toolTip(), "Delete brew");
}

TEST_F(CommandsTest, TabChangesEnableHideAndWriteTheStatusBar)
{
    showtab(form->kbsheet);
    EXPECT_FALSE(form->Addaccount1->isEnabled());
    EXPECT_FALSE(form->Editaccount1->isEnabled());
    EXPECT_FALSE(form->Deleteaccount1->isEnabled());
    EXPECT_FALSE(form->Seeallcolumns1->isEnabled());
    EXPECT_TRUE(form->Properties1->isEnabled());
    EXPECT_TRUE(form->Brewlist1->isEnabled());
    EXPECT_FALSE(form->searchedit->isVisible());
    EXPECT_FALSE(form->searchbutton->isVisible());
    EXPECT_EQ(form->statustext(), "");

    showtab(form->brewssheet);
    EXPECT_TRUE(form->Addaccount1->isEnabled());
    EXPECT_TRUE(form->Seeallcolumns1->isEnabled());
    EXPECT_TRUE(form->searchedit->isVisible());
    EXPECT_EQ(form->statustext(), "   5 brews recorded");

    showtab(form->linkssheet);
    EXPECT_EQ(form->statustext(), "");
}

TEST_F(CommandsTest, KnowledgeAndConversionsTabsAreToldWhenShown)
{
    int kb = 0;
    int conversions = 0;
    QObject::connect(form.get(), &TForm1::kbsheetShown, [&] { ++kb; });
    QObject::connect(form.get(), &TForm1::conversionsheetShown, [&] { ++conversions; });
    showtab(form->kbsheet);
    showtab(form->conversionsheet);
    EXPECT_EQ(kb, 1);
    EXPECT_EQ(conversions, 1);
    EXPECT_EQ(form->statustext(), "");
}

TEST_F(CommandsTest, ShortcutsWorkOnlyWhileTheirItemIsEnabled)
{
    ModalCloser closer;  // the editor opens
    TriggerCount add(form->Addaccount1);
    TriggerCount edit(form->Editaccount1);
    form->searchedit->setFocus();
    presskey(form->searchedit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(add.count, 1) << "Ctrl+A adds a brew even in the search box";
    QApplication::setActiveWindow(form.get());  // back from the editor
    presskey(form->grid, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(edit.count, 1);

    showtab(form->kbsheet);
    presskey(form->kbsheet, Qt::Key_A, Qt::ControlModifier);
    presskey(form->kbsheet, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(add.count, 1);
    EXPECT_EQ(edit.count, 1);
}

TEST_F(CommandsTest, CtrlFFocusesTheSearchBoxOnlyOnTheBrewsTab)
{
    form->grid->setFocus();
    presskey(form->grid, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(form->searchedit->hasFocus());

    showtab(form->conversionsheet);
    QWidget* before = QApplication::focusWidget();
    presskey(form->conversionsheet, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), before);
}

TEST_F(CommandsTest, ListKeysReachTheBrewCommands)
{
    ModalCloser closer;  // the editor opens
    TriggerCount edit(form->Editaccount1);
    TriggerCount remove(form->Deleteaccount1);
    TriggerCount properties(form->Properties1);
    presskey(form->grid, Qt::Key_Return);
    presskey(form->grid, Qt::Key_Delete);
    // Alt+Enter opens the File properties dialog; close it again.
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    presskey(form->grid, Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(edit.count, 1);
    EXPECT_EQ(remove.count, 1);
    EXPECT_EQ(properties.count, 1);
}

TEST_F(CommandsTest, F3AdvancesTheSearchByOneMatchFromAnyControl)
{
    form->searchedit->setText("Ale");
    form->searchbutton->click();
    EXPECT_EQ(form->grid->Row(), 1);
    form->grid->setFocus();
    presskey(form->grid, Qt::Key_F3);
    EXPECT_EQ(form->grid->Row(), 3);
    presskey(form->searchedit, Qt::Key_F3);
    EXPECT_EQ(form->grid->Row(), 5);
}

TEST_F(CommandsTest, RightClickSelectsTheRowAndOpensThePopup)
{
    QWidget* viewport = form->grid->viewport();
    const int y = form->grid->rowViewportPosition(2) + 3;  // the third data row
    const QPoint at(30, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    EXPECT_EQ(form->grid->Row(), 3);
    EXPECT_TRUE(form->PopupMenu->isVisible());
    form->PopupMenu->hide();

    // Below the last row nothing happens.
    const QPoint below(30, viewport->height() - 2);
    ASSERT_LT(form->grid->rowAt(below.y()), 0);
    QMouseEvent release2(QEvent::MouseButtonRelease, below, viewport->mapToGlobal(below), Qt::RightButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release2);
    EXPECT_FALSE(form->PopupMenu->isVisible());
    EXPECT_EQ(form->grid->Row(), 3);
}

TEST_F(CommandsTest, ShoppingListShowsHowFullItIsAndStopsAt6000)
{
    showtab(form->shoppingsheet);
    EXPECT_TRUE(form->shoppingmemo->hasFocus());
    EXPECT_EQ(form->statustext(), "     0 % full");
    form->shoppingmemo->insertPlainText(QString(3000, 'x'));
    EXPECT_EQ(form->statustext(), "     50 % full");
    EXPECT_TRUE(form->shoppingmemo->document()->isModified());

    // A line break counts two, as in the data file.
    form->shoppingmemo->insertPlainText(QString(2990, 'y') + "\n\n\n\n\nzzzz");
    EXPECT_EQ(form->shoppingmemo->toPlainText().size(), 3000 + 2990 + 5);
    EXPECT_EQ(form->statustext(), "     100 % full");
    form->shoppingmemo->insertPlainText("more");
    EXPECT_EQ(form->shoppingmemo->toPlainText().size(), 3000 + 2990 + 5);
}

TEST_F(CommandsTest, LinkLabelHighlightsUnderTheMouse)
{
    EXPECT_EQ(form->linklabel->text(), orvantisoftwarepage);
    showtab(form->linkssheet);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(form->linklabel, &enter);
    EXPECT_TRUE(form->linklabel->highlighted());
    EXPECT_TRUE(form->linklabel->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form->linklabel, &leave);
    EXPECT_FALSE(form->linklabel->highlighted());
}

// Records the addresses handed to the desktop.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
    OpenedUrls()
    {
        for (const char* scheme : {"file", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedUrls() override
    {
        for (const char* scheme : {"file", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST_F(CommandsTest, HelpAndTheLinkOpenThroughTheDesktop)
{
    OpenedUrls opened;
    form->Contents1->trigger();
    showtab(form->linkssheet);
    const QPoint inside(3, 3);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, form->linklabel->mapToGlobal(inside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->linklabel, &release);
    EXPECT_EQ(opened.urls, (QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(temp.file("program") + "/malvora.html")),
                                        QUrl(orvantisoftwarepage)}));
}

TEST_F(CommandsTest, MinimizeAndBringToFront)
{
    form->Minimize1->trigger();
    EXPECT_TRUE(form->isMinimized());
    form->bringtofront();
    EXPECT_FALSE(form->isMinimized());
}

TEST_F(CommandsTest, ExitWritesTheSettingsAndSaves)
{
    form->Exit1->trigger();
    EXPECT_FALSE(form->isVisible());
    store = std::make_unique<QtSettingsStore>(settingsfile());
    EXPECT_TRUE(store->exists());
}

}  // namespace

#include "commands_uitest.moc"
