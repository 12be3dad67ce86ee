#include "platform/qtmessages.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qtext.h"

namespace {

QString title(const std::string& caption)
{
    return caption.empty() ? QApplication::applicationDisplayName() : toqs(caption);
}

int runbox(QMessageBox::Icon icon, const QString& caption, const std::string& message,
           const std::string& detail, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, toqs(message), buttons);
    if (!detail.empty())
        box.setInformativeText(toqs(detail));
    return box.exec();
}

}  // namespace

void QtMessages::showmsg(const std::string& message, const std::string& detail, const std::string& caption)
{
    runbox(QMessageBox::NoIcon, title(caption), message, detail, QMessageBox::Ok);
}

bool QtMessages::askyesno(const std::string& question, const std::string& detail)
{
    return runbox(QMessageBox::Question, QObject::tr("Verify"), question, detail,
                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtMessages::askyesnocancel(const std::string& question, const std::string& detail)
{
    switch (runbox(QMessageBox::Question, QObject::tr("Verify"), question, detail,
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::yes;
    case QMessageBox::No:
        return Answer::no;
    default:
        return Answer::cancel;
    }
}

void QtMessages::plainmsg(const std::string& text)
{
    runbox(QMessageBox::NoIcon, title({}), text, {}, QMessageBox::Ok);
}
