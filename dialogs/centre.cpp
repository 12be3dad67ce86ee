#include "dialogs/centre.h"

#include <QScreen>
#include <QWidget>

void centreonscreen(QWidget* dialog)
{
    dialog->adjustSize();
    const QWidget* owner = dialog->parentWidget();
    const QScreen* screen = owner ? owner->screen() : dialog->screen();
    if (!screen)
        return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}
