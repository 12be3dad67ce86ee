#include "platform/guardedapplication.h"

#include <exception>

#include "platform/messages.h"

GuardedApplication::GuardedApplication(int& argc, char** argv, Messages& messages)
    : QApplication(argc, argv), messages_(messages)
{
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverguarded(messages_, [&] { return QApplication::notify(receiver, event); });
}

bool deliverguarded(Messages& messages, const std::function<bool()>& deliver)
{
    try {
        return deliver();
    } catch (const std::exception& e) {
        messages.showmsg(e.what());
    } catch (...) {
        messages.showmsg("An unexpected error occurred.");
    }
    return true;
}
