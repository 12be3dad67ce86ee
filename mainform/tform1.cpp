#include "mainform/tform1.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <QVBoxLayout>

#include "knowledge/knowledgetab.h"
#include "platform/qtext.h"

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
    kbtab = new KnowledgeTab(fromqs(QCoreApplication::applicationDirPath()), messages, kbsheet);
    (new QVBoxLayout(kbsheet))->addWidget(kbtab);
    connect(pc, &QTabWidget::currentChanged, this, [this] {
        if (pc->currentWidget() == kbsheet)
            kbtab->enterTab();
    });
    resize(700, 463);
}
