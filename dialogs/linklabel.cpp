#include "dialogs/linklabel.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, const QUrl& url, QWidget* parent) : QLabel(text, parent), url_(url)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setToolTip(url.toString());
    highlight(false);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    highlight(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    highlight(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        open();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        open();
    else
        QLabel::keyPressEvent(event);
}

void LinkLabel::highlight(bool on)
{
    QFont underlined = font();
    underlined.setUnderline(on);
    setFont(underlined);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, on ? QColor(Qt::red) : colours.color(QPalette::Link));
    setPalette(colours);
}

void LinkLabel::open() { QDesktopServices::openUrl(url_); }
