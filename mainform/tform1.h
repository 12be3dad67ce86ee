// The main window: five tabs over the brew log.
#pragma once

#include <QMainWindow>

#include "platform/qtmessages.h"

class KnowledgeTab;
class QTabWidget;
class QWidget;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QTabWidget* pc = nullptr;
    QWidget* brewssheet = nullptr;
    QWidget* kbsheet = nullptr;
    QWidget* conversionsheet = nullptr;
    QWidget* shoppingsheet = nullptr;
    QWidget* linkssheet = nullptr;
    KnowledgeTab* kbtab = nullptr;

private:
    QtMessages messages;
};
