#include "dialogs/tpropertiesform.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fileproperties.h"
#include "platform/messages.h"
#include "platform/qtext.h"

namespace {

QLabel* valuelabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

std::optional<LocalStamp> localstamp(const QDateTime& time)
{
    if (!time.isValid())
        return std::nullopt;
    const QDateTime local = time.toLocalTime();
    const QDate date = local.date();
    const QTime clock = local.time();
    return LocalStamp{date.year(), date.month(), date.day(), clock.hour(), clock.minute()};
}

// The folder as the user's system writes it. Windows ignores case in file
// names and shows folders in capitals here; elsewhere case matters, and a
// folder in capitals would name another folder.
QString foldertext(const std::string& path)
{
    const QString folder = toqs(folderpart(path));
#ifdef Q_OS_WIN
    return folder.toUpper();
#else
    return folder;
#endif
}

}  // namespace

Tpropertiesform::Tpropertiesform(const std::string& currentfile, std::size_t records,
                                 const FormatSettings& fs, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("propertiesform");
    setWindowTitle(tr("File properties"));
    namelabel = valuelabel("namelabel", this);
    pathlabel = valuelabel("pathlabel", this);
    sizelabel = valuelabel("sizelabel", this);
    modlabel = valuelabel("modlabel", this);
    contentslabel = valuelabel("contentslabel", this);
    okbutton = new QPushButton(tr("&Ok"), this);
    okbutton->setObjectName("okbutton");
    okbutton->setDefault(true);
    connect(okbutton, &QPushButton::clicked, this, &QDialog::accept);

    auto* lines = new QFormLayout;
    lines->addRow(tr("File name:"), namelabel);
    lines->addRow(tr("Path:"), pathlabel);
    lines->addRow(tr("Size:"), sizelabel);
    lines->addRow(tr("Modified:"), modlabel);
    lines->addRow(tr("Contents:"), contentslabel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okbutton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lines);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    namelabel->setText(toqs(filenamepart(currentfile)));
    pathlabel->setText(foldertext(currentfile));
    const QFileInfo file(toqs(currentfile));
    if (file.isFile()) {
        sizelabel->setText(toqs(groupednumber(double(file.size()), fs)) + tr(" bytes"));
        modlabel->setText(toqs(getdatetimestring(localstamp(file.lastModified()), fs)));
        contentslabel->setText(toqs(groupednumber(double(records), fs)) + tr(" brew records"));
    }
}

void Tpropertiesform::run(const std::string& currentfile, std::size_t records, const FormatSettings& fs,
                          Messages& messages, QWidget* owner)
{
    if (currentfile.empty()) {
        messages.showmsg(tr("No file loaded").toStdString());
        return;
    }
    Tpropertiesform form(currentfile, records, fs, owner);
    form.exec();
}
