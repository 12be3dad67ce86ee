#include "addacc/editorwidgets.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qtext.h"

UpDown::UpDown(QWidget* parent)
    : QWidget(parent)
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : { up_, down_ }) {
        b->setArrowType(b == up_ ? Qt::UpArrow : Qt::DownArrow);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        b->setIconSize(QSize(7, 5));
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, [this] { emit clicked(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit clicked(false); });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

SpinEdit::SpinEdit(int maximum, QWidget* parent)
    : QSpinBox(parent)
{
    setRange(0, maximum);
    setFixedWidth(56);
}

LimitedMemo::LimitedMemo(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedMemo::enforcelimit);
}

int LimitedMemo::storedlength() const
{
    const QString text = toPlainText();
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

void LimitedMemo::setstoredtext(const std::string& ansi)
{
    QString text = fromansi(ansi);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(text);
    setmodified(false);
}

std::string LimitedMemo::storedtext() const
{
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return toansi(text);
}

bool LimitedMemo::modified() const
{
    return document()->isModified();
}
void LimitedMemo::setmodified(bool on)
{
    document()->setModified(on);
}

// Takes back what went over the limit, from just before the cursor, as an
// edit box with a limit refuses the characters that do not fit.
void LimitedMemo::enforcelimit()
{
    if (limiting_ || limit_ <= 0 || storedlength() <= limit_)
        return;
    limiting_ = true;
    QTextCursor cursor = textCursor();
    int end = cursor.position();
    while (storedlength() > limit_) {
        const QString text = toPlainText();
        if (end == 0)
            end = static_cast<int>(text.size());
        int excess = storedlength() - limit_;
        int start = end;
        while (excess > 0 && start > 0) {
            --start;
            excess -= text[start] == QLatin1Char('\n') ? 2 : 1;
        }
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        end = 0;
    }
    setTextCursor(cursor);
    limiting_ = false;
}
