#include "mainform/tform1.h"

#include <QTabWidget>

namespace {

QWidget* addsheet(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* sheet = new QWidget(tabs);
    sheet->setObjectName(name);
    tabs->addTab(sheet, caption);
    return sheet;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(tr("Malvora"));
    pc = new QTabWidget(this);
    pc->setObjectName("pc");
    brewssheet = addsheet(pc, "brewssheet", tr("Brews"));
    kbsheet = addsheet(pc, "kbsheet", tr("Knowledge base"));
    conversionsheet = addsheet(pc, "conversionsheet", tr("Conversions"));
    shoppingsheet = addsheet(pc, "shoppingsheet", tr("Shopping list"));
    linkssheet = addsheet(pc, "linkssheet", tr("Links"));
    setCentralWidget(pc);
    resize(700, 463);
}
