// The main window's controls and their layout.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

#include "conversions/conversionstab.h"
#include "mainform/orvanti.h"
#include "mainform/tform1.h"
#include "mainform/tsortgrid.h"
#include "platform/linklabel.h"
#include "records/datafile.h"

namespace {

// The memo's length as the data file counts it: a line break takes two
// characters there.
int memolength(QStringView text) { return int(text.size() + text.count(u'\n')); }

// Cuts what was just typed or pasted at `position` so that the memo holds no
// more than the data file's shopping list can.
void limitmemo(QPlainTextEdit* memo, int position, int added)
{
    if (added <= 0)
        return;
    const QString text = memo->toPlainText();
    const int limit = int(shoppingtextmax);
    const int length = memolength(text);
    if (length <= limit || position + added > text.size())
        return;
    const QStringView inserted = QStringView(text).mid(position, added);
    const int room = limit - (length - memolength(inserted));
    int keep = 0;
    for (int used = 0; keep < added; ++keep) {
        used += inserted[keep] == u'\n' ? 2 : 1;
        if (used > room)
            break;
    }
    QTextCursor cut(memo->document());
    cut.setPosition(position + keep);
    cut.setPosition(position + added, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

QWidget* addsheet(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* sheet = new QWidget(tabs);
    sheet->setObjectName(name);
    tabs->addTab(sheet, caption);
    return sheet;
}

QFont memofont(int points)
{
    QFont font("Consolas", points);
    font.setStyleHint(QFont::Monospace);
    return font;
}

}  // namespace

void TForm1::createcontrols()
{
    setObjectName("Form1");
    setMinimumSize(580, 250);
    resize(700, 463);

    pc = new QTabWidget(this);
    pc->setObjectName("pc");
    brewssheet = addsheet(pc, "brewssheet", tr("Brews"));
    kbsheet = addsheet(pc, "kbsheet", tr("Knowledge base"));
    conversionsheet = addsheet(pc, "conversionsheet", tr("Conversions"));
    shoppingsheet = addsheet(pc, "shoppingsheet", tr("Shopping list"));
    linkssheet = addsheet(pc, "linkssheet", tr("Links"));
    createbrewssheet();
    createshoppingsheet();
    createlinkssheet();
    conversionstab = new ConversionsTab(formatsettings, conversionsheet);
    (new QVBoxLayout(conversionsheet))->addWidget(conversionstab);
    connect(this, &TForm1::conversionsheetShown, conversionstab, &ConversionsTab::visit);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 6, 10, 4);
    layout->addWidget(pc);
    setCentralWidget(central);
    connect(pc, &QTabWidget::currentChanged, this, &TForm1::pcChange);

    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName("StatusBar1");
    statusBar()->addWidget(StatusBar1, 1);

    Timer = new QTimer(this);
    Timer->setObjectName("Timer");
    connect(Timer, &QTimer::timeout, this, &TForm1::TimerTimer);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    qApp->installEventFilter(this);
}

void TForm1::createbrewssheet()
{
    grid = new TSortGrid(brewssheet);
    grid->setObjectName("grid");
    grid->setFormatSettings(formatsettings);
    auto* layout = new QVBoxLayout(brewssheet);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(grid);
    grid->setOnGetCellFormat([](int col, int row, TFormatOptions& format) {
        if (col >= 2)
            format.AlignmentHorz = row == 0 ? taCenter : taRightJustify;
    });
    connect(grid, &TSortGrid::BeginSort, this, &TForm1::gridBeginSort);
    connect(grid, &TSortGrid::EndSort, this, &TForm1::gridEndSort);
    connect(grid, &TSortGrid::ColumnWidthsChanged, this, &TForm1::gridColumnWidthsChanged);
    connect(grid, &TSortGrid::MouseUp, this, &TForm1::gridMouseUp);

    searchedit = new QLineEdit(this);
    searchedit->setObjectName("searchedit");
    searchedit->setMaximumWidth(180);
    connect(searchedit, &QLineEdit::textChanged, this, &TForm1::searcheditChange);
    connect(searchedit, &QLineEdit::returnPressed, this, &TForm1::searchbuttonClick);
    searchbutton = new QPushButton(tr("&Search"), this);
    searchbutton->setObjectName("searchbutton");
    connect(searchbutton, &QPushButton::clicked, this, &TForm1::searchbuttonClick);
}

void TForm1::createshoppingsheet()
{
    shoppinglabel = new QLabel(tr("Shopping List"), shoppingsheet);
    shoppinglabel->setObjectName("shoppinglabel");
    shoppingmemo = new QPlainTextEdit(shoppingsheet);
    shoppingmemo->setObjectName("shoppingmemo");
    shoppingmemo->setFont(memofont(13));
    shoppingmemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(shoppingmemo->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { limitmemo(shoppingmemo, position, added); });
    connect(shoppingmemo, &QPlainTextEdit::textChanged, this, &TForm1::shoppingmemoChange);
    auto* layout = new QVBoxLayout(shoppingsheet);
    layout->setContentsMargins(30, 10, 30, 20);
    layout->addWidget(shoppinglabel);
    layout->addWidget(shoppingmemo);
}

void TForm1::createlinkssheet()
{
    auto* caption = new QLabel(tr("Orvanti's Software Page:"), linkssheet);
    linklabel = new LinkLabel(orvantisoftwarepage, linkssheet);
    linklabel->setObjectName("linklabel");
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(linklabel);
    row->addStretch();
    auto* layout = new QVBoxLayout(linkssheet);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->addLayout(row);
    layout->addStretch();
}

// Lays the list's columns out by their fractions of the list's width.
void TForm1::FormResize()
{
    resizing = true;
    const double width = grid->viewport()->width();
    for (int col = 0; col <= lastcol; ++col)
        grid->setColWidths(col, int(std::nearbyint(width * settings.ColWidths[col])));
    resizing = false;
}
