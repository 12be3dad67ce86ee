// The main window: the brew list and four more tabs, the menus, the toolbar,
// start-up and shutdown.
//
// The window's work is split over several files, one job each: tform1.cpp
// (start-up, shutdown, the data file and the settings), tform1_controls.cpp
// (the controls and their layout), tform1_commands.cpp (menus, toolbar, keys,
// tabs, shopping list, help), tform1_grid.cpp (the brew list), and the
// handlers of the brew commands, reports and dialogs in
// tform1_brewcommands.cpp, tform1_reports.cpp and tform1_dialogs.cpp.
#pragma once

#include <QMainWindow>

#include <memory>
#include <string>

#include "mainform/settings.h"
#include "platform/formatsettings.h"
#include "platform/startpaths.h"
#include "records/brandtally.h"
#include "records/recordlist.h"

class Clock;
class DataFile;
class Messages;
class SettingsStore;
class TSortGrid;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolBar;
class QKeyEvent;
class LinkLabel;
class ConversionsTab;
class KnowledgeTab;

// What the window needs from the world around it; tests give their own.
struct MainServices {
    Messages& messages;
    Clock& clock;
    SettingsStore& settingsstore;
    FormatSettings formatsettings;
    StartPaths paths;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const MainServices& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The services.
    Messages& messages;
    Clock& clock;
    SettingsStore& settingsstore;
    FormatSettings formatsettings;

    // Program-wide state.
    RecordList recordlist;      // row r of the grid shows recordlist[r - 1]
    std::string datafilename;   // decided at start-up, never changed
    std::string programdir;     // ends with a separator
    std::string helpfile;       // the user guide: the program's path with ".html"
    std::string currentfile;    // the data file last loaded or saved; empty before
    bool listmodified = false;  // brews were deleted since the last save
    int lastcol = 0;            // the hidden position column
    bool resizing = false;      // the columns are being laid out by the program
    Settings settings;          // MetricUnits, FontSize, CreateBackups, ...
    std::string acceptedbatchnum;  // the batch number the editor accepted last

    // The kit names of the brews with their counts.
    BrandTally getbrandinfo() { return ::getbrandinfo(recordlist); }
    // The grid's selected row (1 ..); recordlist[selectedrow() - 1] is its record.
    int selectedrow() const;

    // Controls.
    QTabWidget* pc = nullptr;
    QWidget* brewssheet = nullptr;
    QWidget* kbsheet = nullptr;
    QWidget* conversionsheet = nullptr;
    QWidget* shoppingsheet = nullptr;
    QWidget* linkssheet = nullptr;
    TSortGrid* grid = nullptr;
    QLineEdit* searchedit = nullptr;
    QPushButton* searchbutton = nullptr;
    QPlainTextEdit* shoppingmemo = nullptr;
    QLabel* shoppinglabel = nullptr;
    LinkLabel* linklabel = nullptr;
    KnowledgeTab* kbtab = nullptr;  // the "Knowledge base" tab's contents
    ConversionsTab* conversionstab = nullptr;  // the "Conversions" tab's contents
    QLabel* StatusBar1 = nullptr;  // the status bar's one panel
    QToolBar* ToolBar1 = nullptr;
    QTimer* Timer = nullptr;   // blanks the list in hiding mode 1
    QTimer* Timer1 = nullptr;  // the welcome hint, once

    // Menus and their items; a toolbar button shares its item's action.
    QMenu* filemenu = nullptr;
    QMenu* editmenu = nullptr;
    QMenu* Reports1 = nullptr;
    QMenu* viewmenu = nullptr;
    QMenu* helpmenu = nullptr;
    QMenu* PopupMenu = nullptr;
    QAction* Properties1 = nullptr;
    QAction* Options1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Addaccount1 = nullptr;
    QAction* Editaccount1 = nullptr;
    QAction* Deleteaccount1 = nullptr;
    QAction* Brandlist1 = nullptr;
    QAction* Brewlist1 = nullptr;
    QAction* PrintdetailsforBrewNo1 = nullptr;
    QAction* TastingSheetforPrinting1 = nullptr;
    QAction* LabelsforBrewNo1 = nullptr;
    QAction* brewlistcsvitem = nullptr;
    QAction* Seeallcolumns1 = nullptr;
    QAction* Minimize1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* AboutKeystave = nullptr;
    QAction* Edit1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* Reportbrewdetails1 = nullptr;
    QAction* TastingSheetforthisbrew1 = nullptr;
    QAction* Createbottlelabelsforthisbrew1 = nullptr;
    QAction* Cancel1 = nullptr;

    // The status bar's text.
    QString statustext() const;
    void setstatustext(const QString& text);

    // The data file (datafilename): load it into the list and the shopping
    // list, or save both. Problems are shown through the messages.
    void loadfile(const std::string& name);
    void dosave(const std::string& name);

    // The settings store: read once at start-up, written once at shutdown.
    void readregistry();
    void writeregistry();

    // The brew list.
    void fillgrid();
    void drawrow(int row);
    void mygridclear();
    void blankrows();
    void blankout();
    bool searchactive() const { return searchactive_; }

    // Brings the window to the front, restored when it was minimised (a later
    // copy of the program was started).
    void bringtofront();
    // Settings written and the data file saved when it has changes; runs once,
    // when the window closes or is destroyed.
    void FormDestroy();

signals:
    // The user made the "Knowledge base" or the "Conversions" tab active; the
    // tab's contents get ready for input.
    void kbsheetShown();
    void conversionsheetShown();

public slots:
    // Start-up, timers, layout.
    void FormShow();
    void FormResize();
    void TimerTimer();
    void Timer1Timer();
    void settimerinterval();
    void writecaption();

    // Commands of this window.
    void Exit1Click();
    void Contents1Click();
    void Minimize1Click();
    void Seeallcolumns1Click();
    void pcChange(int index);
    void shoppingmemoChange();
    void do_sfulllabel();

    // The brew list.
    void gridBeginSort(int col);
    void gridEndSort(int col);
    void gridColumnWidthsChanged();
    void gridMouseUp(Qt::MouseButton button, const QPoint& pos);
    void searchbuttonClick();
    void searcheditChange();

    // The brew commands (tform1_brewcommands.cpp).
    void Addaccount1Click();
    void Editaccount1Click();
    void Deleteaccount1Click();
    void gridDblClick();

    // The reports (tform1_reports.cpp).
    void Reports1Click();
    void Brandlist1Click();
    void Brewlist1Click();
    void PrintdetailsforBrewNo1Click();
    void TastingSheetforPrinting1Click();
    void LabelsforBrewNo1Click();
    void brewlistcsvitemClick();

    // The dialogs (tform1_dialogs.cpp).
    void Properties1Click();
    void Options1Click();
    void AboutKeystaveClick();

public:
    // The row under a point of the grid's viewport: 1 .. for a data row, 0
    // for the empty area below the last row. Set by a double click for
    // gridDblClick.
    int gridrowat(const QPoint& viewportpos) const;
    int gridclickrow = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createcontrols();
    void createknowledgetab();
    void createbrewssheet();
    void createshoppingsheet();
    void createlinkssheet();
    void createactions();
    void createmenus();
    void createtoolbar();
    void createpopupmenu();
    void FormCreate(const StartPaths& paths);
    void placewindow();
    void setbrewcommandsenabled(bool on);

    // Key preview: the window sees every key before the focused control.
    bool FormKeyDown(QKeyEvent* key);
    bool gridKeyDown(QKeyEvent* key);
    bool overridesshortcut(QKeyEvent* key) const;

    std::unique_ptr<DataFile> datafile_;
    bool searchactive_ = false;
    bool shown_ = false;
    bool destroyed_ = false;
    QAction* searcheditaction_ = nullptr;
    QAction* searchbuttonaction_ = nullptr;
};
