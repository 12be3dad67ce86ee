#include "knowledge/knowledgetab.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <climits>
#include <optional>

#include "knowledge/kbarticle.h"
#include "knowledge/kbsearch.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/qtext.h"

namespace {

constexpr const char* knowname = "know.dat";
// Each match list entry carries the offset where its article starts.
constexpr int startrole = Qt::UserRole;
// Past this many entries the frozen match list is drawn once more.
constexpr int firstscreenful = 14;
constexpr int searchboxwidth = 240;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore()
    {
        if (active_)
            QApplication::restoreOverrideCursor();
        active_ = false;
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_ = true;
};

void colour(QTextEdit* edit, std::size_t from, std::size_t length, const QColor& colour)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(static_cast<int>(from));
    cursor.setPosition(static_cast<int>(from + length), QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.mergeCharFormat(format);
}

}  // namespace

// One search's link to the window: fills the list as articles are found, and
// between blocks of lines moves the progress bar and lets the window handle
// its events, so that Stop can be pressed. Puts the window back when it ends.
class KnowledgeTab::SearchRun : public KbSearchEvents {
public:
    explicit SearchRun(KnowledgeTab& tab) : tab_(tab), windowshown_(tab.window()->isVisible()) {}

    ~SearchRun() override
    {
        tab_.searching_ = false;
        tab_.kbsearchbutton->setText(tr("&Search"));
        if (!started_)
            return;
        tab_.pb->hide();
        tab_.kblb->setUpdatesEnabled(true);
        tab_.kbedit->update();
    }

    void started(std::int64_t filesize) override
    {
        started_ = true;
        while ((filesize >> shift_) > INT_MAX)
            ++shift_;
        tab_.pb->setRange(0, static_cast<int>(filesize >> shift_));
        tab_.pb->setValue(0);
        wait_.emplace();
        const QSignalBlocker block(tab_.kblb);
        tab_.kblb->clear();
        tab_.kbsearchbutton->setText(tr("&Stop"));
        tab_.pb->show();
        tab_.kblb->setUpdatesEnabled(false);
    }

    void found(const KbEntry& entry, bool attop) override
    {
        auto* item = new QListWidgetItem(fromansi(entry.title));
        item->setToolTip(item->text());  // long titles are cut off by the list's edge
        item->setData(startrole, QVariant::fromValue<qint64>(entry.start));
        const QSignalBlocker block(tab_.kblb);
        tab_.kblb->insertItem(attop ? 0 : tab_.kblb->count(), item);
        if (tab_.kblb->count() == firstscreenful + 1) {
            tab_.kblb->setUpdatesEnabled(true);
            tab_.kblb->repaint();
            tab_.kblb->setUpdatesEnabled(false);
        }
    }

    bool pause(std::int64_t bytesread) override
    {
        tab_.pb->setValue(static_cast<int>(bytesread >> shift_));
        QCoreApplication::processEvents();
        // Closing the window ends a running search.
        if (windowshown_ && !tab_.window()->isVisible())
            tab_.stoprequest_ = true;
        return tab_.stoprequest_;
    }

    void restorecursor()
    {
        if (wait_)
            wait_->restore();
    }

private:
    static QString tr(const char* text) { return KnowledgeTab::tr(text); }

    KnowledgeTab& tab_;
    const bool windowshown_;
    bool started_ = false;
    int shift_ = 0;  // progress bar units are bytes >> shift_, to fit an int
    std::optional<WaitCursor> wait_;
};

KnowledgeTab::KnowledgeTab(std::string programdir, Messages& messages, QWidget* parent)
    : QWidget(parent), programdir_(std::move(programdir)), messages_(messages)
{
    setObjectName("knowledgetab");
    createControls();
    layoutControls();
    connect(kbsearchbutton, &QPushButton::clicked, this, &KnowledgeTab::kbsearchbuttonClick);
    connect(kblb, &QListWidget::itemClicked, this, &KnowledgeTab::kblbClick);
    connect(kblb, &QListWidget::currentRowChanged, this, &KnowledgeTab::kblbCurrentRowChanged);
    kbsearchedit->installEventFilter(this);
}

void KnowledgeTab::createControls()
{
    kblabel = new QLabel(tr("Knowledge Base"), this);
    kblabel->setObjectName("kblabel");
    QFont heading = kblabel->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    kblabel->setFont(heading);

    kbsearchedit = new QLineEdit(this);
    kbsearchedit->setObjectName("kbsearchedit");
    kbsearchedit->setFixedWidth(searchboxwidth);

    kbsearchbutton = new QPushButton(tr("&Search"), this);
    kbsearchbutton->setObjectName("kbsearchbutton");

    pb = new QProgressBar(this);
    pb->setObjectName("pb");
    pb->setTextVisible(false);
    pb->hide();

    kblb = new QListWidget(this);
    kblb->setObjectName("kblb");
    kblb->setFixedWidth(searchboxwidth);

    matcheslabel = new QLabel(tr("Matches:"), this);
    matcheslabel->setObjectName("matcheslabel");
    matcheslabel->setBuddy(kblb);

    kbedit = new QTextEdit(this);
    kbedit->setObjectName("kbedit");
    kbedit->setReadOnly(true);
    kbedit->setUndoRedoEnabled(false);
    kbedit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = kbedit->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    kbedit->setPalette(colours);
    QFont font("Consolas", 11);
    font.setStyleHint(QFont::Monospace);
    kbedit->setFont(font);
}

// The list is as wide as the search box and runs to the bottom; the article
// box starts level with the button and takes the rest.
void KnowledgeTab::layoutControls()
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    auto* buttonrow = new QHBoxLayout;
    buttonrow->addWidget(kbsearchbutton);
    buttonrow->addWidget(pb, 1);
    buttonrow->addStretch();
    buttonrow->addWidget(kblabel);
    grid->addWidget(kbsearchedit, 0, 0);
    grid->addLayout(buttonrow, 0, 1);
    grid->addWidget(matcheslabel, 1, 0);
    grid->addWidget(kblb, 2, 0);
    grid->addWidget(kbedit, 1, 1, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

void KnowledgeTab::enterTab()
{
    if (!searching_)
        pb->hide();
    kbsearchedit->setFocus();
}

std::string KnowledgeTab::knowfile() const { return makefullname(programdir_, knowname); }

void KnowledgeTab::notfound() { messages_.showmsg(fromqs(tr("%1 not found").arg(knowname))); }

void KnowledgeTab::kbsearchbuttonClick()
{
    // While a search runs the button reads "&Stop"; once the stop is asked for,
    // further clicks wait for that search to wind down instead of starting one
    // inside it.
    if (searching_) {
        kbsearchbutton->setText(tr("&Search"));
        stoprequest_ = true;
        return;
    }
    stoprequest_ = false;
    const std::string text = toansi(kbsearchedit->text());
    if (text.empty()) {
        messages_.showmsg(fromqs(tr("Enter a search string")));
        kbedit->setFocus();
        return;
    }
    runsearch(text);
}

void KnowledgeTab::runsearch(const std::string& text)
{
    searching_ = true;
    SearchRun run(*this);
    const KbSearchEnd end = kbsearch(knowfile(), text, run);
    run.restorecursor();
    if (end == KbSearchEnd::notopened)
        notfound();
    else if (end == KbSearchEnd::finished && kblb->count() == 0)
        messages_.showmsg(fromqs(tr("Search string not found")));
    else if (end == KbSearchEnd::finished)
        showfirst();
}

void KnowledgeTab::showfirst()
{
    kbedit->clear();
    {
        const QSignalBlocker block(kblb);
        kblb->setCurrentRow(0);
    }
    kblbClick();
}

bool KnowledgeTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == kbsearchedit && event->type() == QEvent::KeyPress)
        return kbsearcheditKeyPress(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

// Enter runs the search (or stops it); the key goes no further.
bool KnowledgeTab::kbsearcheditKeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    kbsearchbuttonClick();
    return true;
}

// Moving through the list with the keys shows each article; a mouse press
// waits for its click.
void KnowledgeTab::kblbCurrentRowChanged()
{
    if (QApplication::mouseButtons() == Qt::NoButton)
        kblbClick();
}

void KnowledgeTab::kblbClick()
{
    const QListWidgetItem* item = kblb->currentItem();
    if (!item || !item->isSelected())
        return;
    WaitCursor wait;
    kbedit->clear();
    std::string article;
    switch (kbreadarticle(knowfile(), item->data(startrole).toLongLong(), article)) {
    case KbReadResult::notopened:
        wait.restore();
        notfound();
        return;
    case KbReadResult::badoffset:
        return;
    case KbReadResult::ok:
        break;
    }
    showarticle(kbarticleview(article, toansi(kbsearchedit->text())));
}

void KnowledgeTab::showarticle(const KbArticleView& view)
{
    kbedit->setPlainText(fromansi(view.text));
    if (view.headinglength > 0)
        colour(kbedit, 0, view.headinglength, QColor(0, 128, 0));
    for (std::size_t at : view.matches)
        colour(kbedit, at, view.matchlength, QColor(255, 0, 0));
}
