// The main window's command surface: menus, toolbar, the list's pop-up menu,
// keys, tab changes, the shopping list and help.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

#include "mainform/tform1.h"
#include "mainform/tsortgrid.h"
#include "platform/shell.h"
#include "platform/qtext.h"
#include "records/datafile.h"

namespace {

QAction* makeaction(QObject* owner, const char* name, const QString& caption,
                    const QKeySequence& shortcut = {})
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

bool plainkey(const QKeyEvent* key, int code)
{
    return key->key() == code && key->modifiers() == Qt::NoModifier;
}

// A green plus sign: the style has no standard icon for adding.
QIcon plusicon()
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 140, 60));
    painter.drawRoundedRect(QRectF(8, 2, 4, 16), 1, 1);
    painter.drawRoundedRect(QRectF(2, 8, 16, 4), 1, 1);
    return QIcon(pixmap);
}

bool isenter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

void TForm1::createactions()
{
    Properties1 = makeaction(this, "Properties1", tr("File Properties"));
    Options1 = makeaction(this, "Options1", tr("Options"));
    Exit1 = makeaction(this, "Exit1", tr("Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    Addaccount1 = makeaction(this, "Addaccount1", tr("Add a brew record"), QKeySequence(Qt::CTRL | Qt::Key_A));
    Editaccount1 = makeaction(this, "Editaccount1", tr("Edit brew record"), QKeySequence(Qt::CTRL | Qt::Key_E));
    Deleteaccount1 = makeaction(this, "Deleteaccount1", tr("Delete brew record"));
    Brandlist1 = makeaction(this, "Brandlist1", tr("Brand &list"));
    Brewlist1 = makeaction(this, "Brewlist1", tr("&Brew list"));
    PrintdetailsforBrewNo1 = makeaction(this, "PrintdetailsforBrewNo1", tr("Details for Brew No."));
    TastingSheetforPrinting1 =
        makeaction(this, "TastingSheetforPrinting1", tr("Tasting Sheet for Brew No. for Printing"));
    LabelsforBrewNo1 = makeaction(this, "LabelsforBrewNo1", tr("Bottle Labels for Brew No."));
    brewlistcsvitem = makeaction(this, "brewlistcsvitem", tr("Export as CSV file"));
    Seeallcolumns1 = makeaction(this, "Seeallcolumns1", tr("See all columns"));
    Seeallcolumns1->setToolTip(tr("Fit all columns to the width of the window"));
    Minimize1 = makeaction(this, "Minimize1", tr("Minimize"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    Contents1 = makeaction(this, "Contents1", tr("Contents"), QKeySequence(Qt::Key_F1));
    AboutKeystave = makeaction(this, "AboutKeystave", tr("About this program"));

    // The menu's shortcuts work wherever the focus is in this window.
    for (QAction* action : {Exit1, Addaccount1, Editaccount1, Minimize1, Contents1})
        action->setShortcutContext(Qt::WindowShortcut);

    // The toolbar shows these actions with their own hints.
    const QStyle* look = style();
    Addaccount1->setIcon(plusicon());
    Addaccount1->setToolTip(tr("Create/Add a new brew record"));
    Editaccount1->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));
    Editaccount1->setToolTip(tr("Edit brew record"));
    Properties1->setIcon(look->standardIcon(QStyle::SP_FileDialogInfoView));
    Properties1->setToolTip(tr("File properties"));
    Deleteaccount1->setIcon(look->standardIcon(QStyle::SP_TrashIcon));
    Deleteaccount1->setToolTip(tr("Delete brew"));
    Options1->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
    Options1->setToolTip(tr("Options"));
    AboutKeystave->setIcon(look->standardIcon(QStyle::SP_MessageBoxInformation));
    AboutKeystave->setToolTip(tr("About"));

    connect(Properties1, &QAction::triggered, this, &TForm1::Properties1Click);
    connect(Options1, &QAction::triggered, this, &TForm1::Options1Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Addaccount1, &QAction::triggered, this, &TForm1::Addaccount1Click);
    connect(Editaccount1, &QAction::triggered, this, &TForm1::Editaccount1Click);
    connect(Deleteaccount1, &QAction::triggered, this, &TForm1::Deleteaccount1Click);
    connect(Brandlist1, &QAction::triggered, this, &TForm1::Brandlist1Click);
    connect(Brewlist1, &QAction::triggered, this, &TForm1::Brewlist1Click);
    connect(PrintdetailsforBrewNo1, &QAction::triggered, this, &TForm1::PrintdetailsforBrewNo1Click);
    connect(TastingSheetforPrinting1, &QAction::triggered, this, &TForm1::TastingSheetforPrinting1Click);
    connect(LabelsforBrewNo1, &QAction::triggered, this, &TForm1::LabelsforBrewNo1Click);
    connect(brewlistcsvitem, &QAction::triggered, this, &TForm1::brewlistcsvitemClick);
    connect(Seeallcolumns1, &QAction::triggered, this, &TForm1::Seeallcolumns1Click);
    connect(Minimize1, &QAction::triggered, this, &TForm1::Minimize1Click);
    connect(Contents1, &QAction::triggered, this, &TForm1::Contents1Click);
    connect(AboutKeystave, &QAction::triggered, this, &TForm1::AboutKeystaveClick);
}

void TForm1::createmenus()
{
    filemenu = menuBar()->addMenu(tr("&File"));
    filemenu->setObjectName("filemenu");
    filemenu->addAction(Properties1);
    filemenu->addSeparator()->setObjectName("N2");
    filemenu->addAction(Options1);
    filemenu->addSeparator()->setObjectName("N10");
    filemenu->addAction(Exit1);

    editmenu = menuBar()->addMenu(tr("&Edit"));
    editmenu->setObjectName("editmenu");
    editmenu->addAction(Addaccount1);
    editmenu->addAction(Editaccount1);
    editmenu->addSeparator()->setObjectName("N6");
    editmenu->addAction(Deleteaccount1);

    Reports1 = menuBar()->addMenu(tr("Reports"));
    Reports1->setObjectName("Reports1");
    Reports1->addAction(Brandlist1);
    Reports1->addAction(Brewlist1);
    Reports1->addAction(PrintdetailsforBrewNo1);
    Reports1->addAction(TastingSheetforPrinting1);
    Reports1->addAction(LabelsforBrewNo1);
    Reports1->addSeparator()->setObjectName("N1");
    Reports1->addAction(brewlistcsvitem);
    connect(Reports1, &QMenu::aboutToShow, this, &TForm1::Reports1Click);

    viewmenu = menuBar()->addMenu(tr("&View"));
    viewmenu->setObjectName("viewmenu");
    viewmenu->setToolTipsVisible(true);
    viewmenu->addAction(Seeallcolumns1);
    viewmenu->addAction(Minimize1);

    helpmenu = menuBar()->addMenu(tr("&Help"));
    helpmenu->setObjectName("helpmenu");
    helpmenu->addAction(Contents1);
    helpmenu->addSeparator()->setObjectName("N9");
    helpmenu->addAction(AboutKeystave);
}

void TForm1::createtoolbar()
{
    ToolBar1 = addToolBar(tr("Toolbar"));
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(20, 20));
    const std::pair<QAction*, const char*> buttons[] = {
        {Addaccount1, "ToolButton10"}, {Editaccount1, "ToolButton11"}, {nullptr, nullptr},
        {Properties1, "ToolButton5"},  {Deleteaccount1, "ToolButton14"}, {nullptr, nullptr},
        {Options1, "ToolButton16"},    {AboutKeystave, "ToolButton19"},  {nullptr, nullptr},
    };
    for (const auto& [action, name] : buttons) {
        if (!action) {
            ToolBar1->addSeparator();
            continue;
        }
        ToolBar1->addAction(action);
        ToolBar1->widgetForAction(action)->setObjectName(name);
    }
    searcheditaction_ = ToolBar1->addWidget(searchedit);
    searchbuttonaction_ = ToolBar1->addWidget(searchbutton);
}

void TForm1::createpopupmenu()
{
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName("PopupMenu");
    Edit1 = makeaction(PopupMenu, "Edit1", tr("Edit"));
    Delete1 = makeaction(PopupMenu, "Delete1", tr("Delete"));
    Reportbrewdetails1 =
        makeaction(PopupMenu, "Reportbrewdetails1", tr("Create brew details report  for this brew"));
    TastingSheetforthisbrew1 =
        makeaction(PopupMenu, "TastingSheetforthisbrew1", tr("Create Tasting Sheet for this brew"));
    Createbottlelabelsforthisbrew1 =
        makeaction(PopupMenu, "Createbottlelabelsforthisbrew1", tr("Create bottle labels for this brew"));
    Cancel1 = makeaction(PopupMenu, "Cancel1", tr("Cancel"));
    for (QAction* action :
         {Edit1, Delete1, Reportbrewdetails1, TastingSheetforthisbrew1, Createbottlelabelsforthisbrew1, Cancel1})
        PopupMenu->addAction(action);
    connect(Edit1, &QAction::triggered, this, &TForm1::Editaccount1Click);
    connect(Delete1, &QAction::triggered, this, &TForm1::Deleteaccount1Click);
    connect(Reportbrewdetails1, &QAction::triggered, this, &TForm1::PrintdetailsforBrewNo1Click);
    connect(TastingSheetforthisbrew1, &QAction::triggered, this, &TForm1::TastingSheetforPrinting1Click);
    connect(Createbottlelabelsforthisbrew1, &QAction::triggered, this, &TForm1::LabelsforBrewNo1Click);
}

// Key preview, the list's own keys and mouse, and the tool tip switch.
bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Returning true without accepting lets the menu's shortcut win over
        // the control's own use of the key (Ctrl+A in the search box).
        return overridesshortcut(static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
        if (FormKeyDown(static_cast<QKeyEvent*>(event)))
            return true;
        if (watched == grid)
            return gridKeyDown(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == grid->viewport()) {
            gridclickrow = gridrowat(static_cast<QMouseEvent*>(event)->position().toPoint());
            gridDblClick();
            return true;
        }
        break;
    case QEvent::Resize:
        if (watched == grid->viewport())
            FormResize();
        break;
    case QEvent::ToolTip:
        return !settings.Tips;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::overridesshortcut(QKeyEvent* key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : {Exit1, Addaccount1, Editaccount1, Minimize1, Contents1})
        if (action->isEnabled() && action->shortcut() == pressed)
            return true;
    return false;
}

bool TForm1::FormKeyDown(QKeyEvent* key)
{
    const bool searchshown = searcheditaction_->isVisible();
    if (key->key() == Qt::Key_F && key->modifiers() == Qt::ControlModifier) {
        if (searchshown)
            searchedit->setFocus();
        return true;
    }
    if (plainkey(key, Qt::Key_F3)) {
        if (searchactive_ && searchshown)
            searchbuttonClick();
        return true;
    }
    return false;
}

bool TForm1::gridKeyDown(QKeyEvent* key)
{
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    QAction* command = nullptr;
    if (isenter(key) && modifiers == Qt::AltModifier)
        command = Properties1;
    else if (isenter(key) && modifiers == Qt::NoModifier)
        command = Editaccount1;
    else if (plainkey(key, Qt::Key_Delete))
        command = Deleteaccount1;
    if (!command)
        return false;
    command->trigger();
    return true;
}

// A right click on a brew selects it and opens the pop-up menu.
void TForm1::gridMouseUp(Qt::MouseButton button, const QPoint& pos)
{
    if (button != Qt::RightButton)
        return;
    const int row = gridrowat(pos);
    if (row <= 0)
        return;
    grid->setRow(row);
    PopupMenu->popup(grid->viewport()->mapToGlobal(pos));
}

int TForm1::gridrowat(const QPoint& viewportpos) const
{
    int col = 0;
    int row = 0;
    return grid->MouseToCell(viewportpos, col, row) ? row : 0;
}

void TForm1::setbrewcommandsenabled(bool on)
{
    for (QAction* action : {Addaccount1, Editaccount1, Deleteaccount1, Seeallcolumns1})
        action->setEnabled(on);
    searcheditaction_->setVisible(on);
    searchbuttonaction_->setVisible(on);
}

void TForm1::pcChange(int index)
{
    QWidget* sheet = pc->widget(index);
    setbrewcommandsenabled(sheet == brewssheet);
    if (sheet == brewssheet) {
        setstatustext(QString("   %1 brews recorded").arg(recordlist.size()));
    } else if (sheet == kbsheet) {
        setstatustext({});
        emit kbsheetShown();
    } else if (sheet == conversionsheet) {
        setstatustext({});
        emit conversionsheetShown();
    } else if (sheet == shoppingsheet) {
        shoppingmemo->setFocus();
        do_sfulllabel();
    } else if (sheet == linkssheet) {
        setstatustext({});
    }
}

void TForm1::shoppingmemoChange() { do_sfulllabel(); }

// How full the shopping list is, while its tab is shown.
void TForm1::do_sfulllabel()
{
    if (pc->currentWidget() != shoppingsheet)
        return;
    const QString text = shoppingmemo->toPlainText();
    const double length = double(text.size() + text.count('\n'));
    const int percent = int(std::nearbyint(length / double(shoppingtextmax) * 100.0));
    setstatustext(QString("     %1 % full").arg(percent));
}

void TForm1::Exit1Click() { close(); }

void TForm1::Contents1Click() { shellopen(toqs(helpfile)); }
