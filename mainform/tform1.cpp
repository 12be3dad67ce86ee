#include "mainform/tform1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>

#include "knowledge/knowledgetab.h"
#include "mainform/tsortgrid.h"
#include "platform/clock.h"
#include "platform/datafolder.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "records/datafile.h"

namespace {

constexpr int welcomedelayms = 500;
constexpr int recordsreserved = 1000;

// The shopping list keeps CR LF line ends in the data file and "\n" in the memo.
QString memotext(const std::string& filetext)
{
    QString text = fromansi(filetext);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}

std::string filetext(const QString& memo)
{
    QString text = memo;
    text.replace('\n', "\r\n");
    return toansi(text);
}

// The program's path with its extension replaced by ".html".
std::string guidename(const std::string& programfile)
{
    std::filesystem::path guide(programfile);
    guide.replace_extension(".html");
    return guide.string();
}

}  // namespace

TForm1::TForm1(const MainServices& services, QWidget* parent)
    : QMainWindow(parent),
      messages(services.messages),
      clock(services.clock),
      settingsstore(services.settingsstore),
      formatsettings(services.formatsettings)
{
    createcontrols();
    createactions();
    createmenus();
    createtoolbar();
    createpopupmenu();
    FormCreate(services.paths);
    createknowledgetab();
}

// The knowledge base reads know.dat from the program folder, known once
// FormCreate has run.
void TForm1::createknowledgetab()
{
    kbtab = new KnowledgeTab(programdir, messages, kbsheet);
    (new QVBoxLayout(kbsheet))->addWidget(kbtab);
    connect(this, &TForm1::kbsheetShown, kbtab, &KnowledgeTab::enterTab);
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::FormCreate(const StartPaths& paths)
{
    helpfile = guidename(paths.programfile);
    listmodified = false;
    grid->setColCount(gridcolumns);
    grid->setRowCount(2);
    acceptedbatchnum.clear();
    lastcol = grid->ColCount() - 1;
    searchedit->clear();
    shoppingmemo->clear();
    shoppingmemo->document()->setModified(false);
    StatusBar1->setFont(grid->font());
    settings.ColWidths = defaultcolwidths();
    grid->setSortCol(0);
    setWindowTitle(tr("Malvora"));
    settings.HideDelay = 30;
    programdir = paths.programdir;
    datafilename = choosedatafilename(programdir, paths.appdatafolder, paths.removable);
    recordlist.reserve(recordsreserved);
    writecaption();
    settings.Hiding = 3;
    createnewrec(recordlist, examplerecord(clock.now()));
    placewindow();
    readregistry();
    settimerinterval();
    Timer->start();
    mygridclear();
    std::error_code ec;
    if (std::filesystem::exists(datafilename, ec))
        loadfile(datafilename);
    // Nothing listed yet: no data file, one that could not be read (the
    // example record stays) or one without brews (the headings still show).
    if (currentfile.empty())
        fillgrid();
}

// Centred at the design size, then 790 pixels wide on a screen wide enough.
void TForm1::placewindow()
{
    const QScreen* screen = QApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    if (area.width() >= 800)
        resize(790, height());
}

int TForm1::selectedrow() const { return grid->Row(); }

QString TForm1::statustext() const { return StatusBar1->text(); }
void TForm1::setstatustext(const QString& text) { StatusBar1->setText(text); }

void TForm1::writecaption()
{
    // The caption stays "Malvora" whichever file is loaded.
}

void TForm1::settimerinterval() { Timer->setInterval(settings.HideDelay * 1000); }

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::FormShow()
{
    pc->setCurrentWidget(brewssheet);
    // The example's row shows its batch name, so its kit tells it apart.
    if (grid->RowCount() == 2 && recordlist.size() == 1 &&
        getshortstring(recordlist[0]->kit) == examplerecord(0).kit)
        Timer1->start(welcomedelayms);
    if (pc->currentWidget() == brewssheet)
        setstatustext(QString("   %1 brews recorded").arg(recordlist.size()));
    if (grid->RowCount() > 2 && grid->VisibleRowCount() < grid->RowCount() - 1)
        grid->setRow(grid->RowCount() - 1);
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    messages.showmsg("\"Add\" or \"Edit\" a brew record to enter your brew information.");
}

void TForm1::TimerTimer()
{
    if (settings.Hiding == 1)
        blankrows();
}

void TForm1::bringtofront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TForm1::Minimize1Click() { showMinimized(); }

void TForm1::closeEvent(QCloseEvent* event)
{
    FormDestroy();
    event->accept();
}

void TForm1::FormDestroy()
{
    if (destroyed_)
        return;
    destroyed_ = true;
    Timer->stop();
    Timer1->stop();
    writeregistry();
    if (listmodified || shoppingmemo->document()->isModified())
        dosave(datafilename);
}

void TForm1::loadfile(const std::string& name)
{
    if (!datafile_ || datafile_->path() != name)
        datafile_ = std::make_unique<DataFile>(name);
    auto loaded = datafile_->load(messages);
    if (!loaded)
        return;
    shoppingmemo->setPlainText(memotext(loaded->shoppinglist));
    // Loading counts as a change of the shopping list, so the file is
    // written again at exit.
    shoppingmemo->document()->setModified(true);
    recordlist = std::move(loaded->records);
    recordlist.reserve(recordsreserved);
    mygridclear();
    searchactive_ = false;
    if (!recordlist.empty()) {
        currentfile = name;
        writecaption();
        fillgrid();
    }
}

void TForm1::dosave(const std::string& name)
{
    if (!datafile_ || datafile_->path() != name)
        datafile_ = std::make_unique<DataFile>(name);
    if (datafile_->save(recordlist, filetext(shoppingmemo->toPlainText()), settings.CreateBackups, messages)) {
        listmodified = false;
        currentfile = name;
        writecaption();
    }
}

void TForm1::readregistry()
{
    WindowPlace place;
    readsettings(settingsstore, settings, place);
    grid->setSortCol(settings.SortColumn);
    grid->setSortDirection(settings.SortAscending ? sdAscending : sdDescending);
    const QScreen* screen = QApplication::primaryScreen();
    if (place.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    if (place.left)
        move(*place.left, y());
    if (place.top)
        move(x(), *place.top);
    if (place.width) {
        if (screen && *place.width == screen->geometry().width())
            setWindowState(windowState() | Qt::WindowMaximized);
        else
            resize(*place.width, height());
    }
    if (place.height)
        resize(width(), *place.height);
}

void TForm1::writeregistry()
{
    WindowPlace place;
    // A maximised window keeps the place it goes back to.
    const QRect normal = isMaximized() ? normalGeometry() : QRect(pos(), size());
    place.maximized = isMaximized();
    place.left = normal.x();
    place.top = normal.y();
    place.width = normal.width();
    place.height = normal.height();
    settings.SortColumn = grid->SortCol();
    settings.SortAscending = grid->SortDirection() == sdAscending;
    settings.LastFile = currentfile;
    if (!writesettings(settingsstore, settings, place))
        messages.plainmsg("Failed to save to registry");
}
