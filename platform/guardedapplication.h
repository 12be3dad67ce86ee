// The application object. Every exception that leaves an event handler is
// caught here and its text shown, so that none crosses Qt's event loop.
#pragma once

#include <QApplication>

#include <functional>

class Messages;

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv, Messages& messages);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Messages& messages_;
};

// Runs `deliver`; an exception it throws is shown through `messages` and
// counts as an event that was handled.
bool deliverguarded(Messages& messages, const std::function<bool()>& deliver);
