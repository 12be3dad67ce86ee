#include "platform/linklabel.h"

#include <QMouseEvent>

#include "platform/shell.h"

LinkLabel::LinkLabel(const QString& address, QWidget* parent) : QLabel(address, parent), address_(address)
{
    setCursor(Qt::PointingHandCursor);
    sethighlight(false);
}

void LinkLabel::sethighlight(bool on)
{
    highlighted_ = on;
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
    setStyleSheet(on ? "color: red;" : "color: blue;");
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    sethighlight(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    sethighlight(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        shellopen(address_);
    QLabel::mouseReleaseEvent(event);
}
