// The brew editor's input aids: values proposed on entry, spin buttons, date
// proposals, the alcohol figure, the change handlers and the kind layouts.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "addacc/calcalc.h"
#include "addacc/dateaids.h"
#include "addacc/editorfill.h"
#include "addacc/editorwidgets.h"
#include "addacc/spinsteps.h"
#include "addacc/taddform.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "records/valueparse.h"

namespace {

// The extracts memo grows by this much where it takes the sugar rows' place.
constexpr int extractlayoutgrowth = 45;

} // namespace

bool Taddform::visible() const
{
    return isVisible();
}

void Taddform::guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        messages_.showmsg(e.what());
    } catch (...) {
        messages_.showmsg("Unexpected error");
    }
}

// --- values proposed on entry

void Taddform::propose(QLineEdit* field, const std::string& text)
{
    if (field->text().isEmpty())
        field->setText(toqs(text));
}

void Taddform::kgusededitEnter()
{
    propose(kgusededit, formatfixed(1.0, 3, fs_));
}
void Taddform::watereditEnter()
{
    propose(wateredit, formatfixed(context_.MetricUnits ? 23.0 : 5.0, 1, fs_));
}
void Taddform::pskgusededitEnter()
{
    propose(pskgusededit, formatfixed(0.18, 3, fs_));
}
void Taddform::fermkgeditEnter()
{
    propose(fermkgedit, formatfixed(2.0, 3, fs_));
}
void Taddform::fermkgeditClick()
{
    fermkgeditEnter();
}

void Taddform::brewtempeditEnter()
{
    propose(brewtempedit, formatfixed(context_.MetricUnits ? 21.0 : 70.0, 1, fs_));
}

void Taddform::originalgravityeditEnter()
{
    propose(originalgravityedit, "1042");
    calcalc();
}

void Taddform::finalgravityeditEnter()
{
    propose(finalgravityedit, "1006");
    calcalc();
}

void Taddform::alceditEnter()
{
    calcalc();
}

// --- dates

// Reads a field's date; a text that is no date is shown as the error it is.
bool Taddform::readdatefield(QLineEdit* field, TDateTime& date)
{
    const DateText read = readdate(strip(fromqs(field->text())), fs_);
    if (!read.ok) {
        messages_.showmsg(read.error);
        return false;
    }
    date = read.date;
    return true;
}

void Taddform::writedate(QLineEdit* field, TDateTime date)
{
    field->setText(toqs(formatdate(date, fs_)));
    field->setModified(true);
}

void Taddform::datedowneditEnter()
{
    if (datedownedit->text().isEmpty())
        datedownedit->setText(toqs(formatdate(context_.clock.now(), fs_)));
}

void Taddform::bottlededitEnter()
{
    if (!bottlededit->text().isEmpty() || datedownedit->text().isEmpty())
        return;
    TDateTime down = nodate;
    if (readdatefield(datedownedit, down))
        writedate(bottlededit, bottlingproposal(down, context_.clock.now()));
}

void Taddform::bottlededitExit()
{
    primaryeditEnter();
}

void Taddform::mineditEnter()
{
    TDateTime bottled = nodate;
    if (!bottlededit->text().isEmpty() && readdatefield(bottlededit, bottled))
        writedate(minedit, daysafter(bottled, minusebydays));
}

void Taddform::maxeditEnter()
{
    TDateTime bottled = nodate;
    if (!bottlededit->text().isEmpty() && readdatefield(bottlededit, bottled))
        writedate(maxedit, daysafter(bottled, maxusebydays));
}

void Taddform::primaryeditEnter()
{
    if (datedownedit->text().isEmpty() || bottlededit->text().isEmpty())
        return;
    TDateTime down = nodate;
    TDateTime bottled = nodate;
    if (!readdatefield(datedownedit, down) || !readdatefield(bottlededit, bottled))
        return;
    const int days = daynumber(bottled) - daynumber(down);
    if (days >= 0)
        primaryedit->setText(QString::number(days));
}

// --- spin buttons

void Taddform::stepspin(QLineEdit* field, SpinField spinfield, bool up)
{
    field->setText(toqs(stepnumber(spinfield, fromqs(field->text()), up, context_.MetricUnits, fs_)));
    // A click is the user's change, also in fields that have no change handler.
    field->setModified(true);
}

void Taddform::kgusedspinClick(bool up)
{
    stepspin(kgusededit, SpinField::kgused, up);
}
void Taddform::pskgusedspinClick(bool up)
{
    stepspin(pskgusededit, SpinField::pskgused, up);
}
void Taddform::fermkgspinClick(bool up)
{
    stepspin(fermkgedit, SpinField::fermkg, up);
}
void Taddform::UpDown2Click(bool up)
{
    stepspin(wateredit, SpinField::water, up);
}
void Taddform::tempspinClick(bool up)
{
    stepspin(brewtempedit, SpinField::brewtemp, up);
}

void Taddform::originalgravspinClick(bool up)
{
    stepspin(originalgravityedit, SpinField::origgrav, up);
    calcalc();
}

void Taddform::finalgravityspinClick(bool up)
{
    stepspin(finalgravityedit, SpinField::finalgrav, up);
    calcalc();
}

void Taddform::stepdatespin(QLineEdit* field, bool up)
{
    if (const auto stepped = stepdate(fromqs(field->text()), up, fs_)) {
        field->setText(toqs(*stepped));
        field->setModified(true);
    }
}

void Taddform::downUpDownClick(bool up)
{
    stepdatespin(datedownedit, up);
}

void Taddform::bottUpDownClick(bool up)
{
    stepdatespin(bottlededit, up);
    primaryeditEnter();
}

// --- alcohol

void Taddform::calcalc()
{
    const std::string og = fromqs(originalgravityedit->text());
    const std::string fg = fromqs(finalgravityedit->text());
    const std::string temp = fromqs(brewtempedit->text());
    const std::string priming = fromqs(pskgusededit->text());
    const AlcoholResult result = ::calcalc({ og, fg, temp, priming }, context_.MetricUnits, fs_);
    switch (result.action) {
    case AlcoholResult::clear:
        alcedit->setText({});
        break;
    case AlcoholResult::warn:
        gravwarninglabel->show();
        break;
    case AlcoholResult::write:
        gravwarninglabel->hide();
        alcedit->setText(toqs(result.text));
        alcedit->setModified(true);
        break;
    }
}

void Taddform::originalgravityeditKeyUp()
{
    calcalc();
}

// --- change handlers

void Taddform::markchanged(QObject* field, bool recalculate)
{
    if (!visible())
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setModified(true);
    else if (auto* spin = qobject_cast<SpinEdit*>(field))
        spin->modified = true;
    if (recalculate)
        calcalc();
}

void Taddform::kgusededitChange()
{
    markchanged(sender(), true);
}
void Taddform::pskgusededitChange()
{
    markchanged(sender(), true);
}
void Taddform::secondaryeditChange()
{
    markchanged(sender(), true);
}
void Taddform::primaryeditChange()
{
    markchanged(sender(), true);
}
void Taddform::brewtempeditChange()
{
    markchanged(sender(), true);
}
void Taddform::mineditChange()
{
    markchanged(sender(), true);
}
void Taddform::maxeditChange()
{
    markchanged(sender(), true);
}
void Taddform::add1editChange()
{
    markchanged(sender(), true);
}
void Taddform::bottlededitChange()
{
    markchanged(sender(), true);
}
void Taddform::fermkgeditChange()
{
    markchanged(sender(), false);
}

void Taddform::extractmemoChange()
{
    if (visible())
        extractmemo->setmodified(true);
}

void Taddform::BrewingsugarcbChange()
{
    if (visible())
        brewsugarchanged_ = true;
}

void Taddform::yeastcbChange()
{
    if (!visible())
        return;
    calcalc();
    yeastchanged_ = true;
}

void Taddform::primingsugarcbChange()
{
    if (visible())
        primingsugarchanged_ = true;
    forcedcarbonationrule();
}

// Priming with gas: no priming sugar weight.
void Taddform::forcedcarbonationrule()
{
    const int item
        = primingsugarcb->findText(primingsugarcb->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    const bool forced = item >= 0 && isforcedcarbonation(fromqs(primingsugarcb->itemText(item)));
    if (forced) {
        pskgusededit->setText({});
        for (QWidget* w : std::initializer_list<QWidget*> { pskgusededit, pskgusedspin, Label13 })
            w->setEnabled(false);
    } else if (!pskgusededit->isEnabled()) {
        for (QWidget* w : std::initializer_list<QWidget*> { pskgusededit, pskgusedspin, Label13 })
            w->setEnabled(true);
    }
}

// --- kinds and help

void Taddform::kitrbClick()
{
    if (visible())
        kindclicked_ = true;
    const bool kitpart = !extractrb->isChecked(); // kit and modified kit
    const bool extractpart = !kitrb->isChecked(); // extract and modified kit
    for (QWidget* w : std::initializer_list<QWidget*> {
             brewkitlabel, brewkitscb, sugarlabel, Brewingsugarcb, kgusededit, kgusedspin, kgusedlabel })
        w->setVisible(kitpart);
    for (QWidget* w : std::initializer_list<QWidget*> {
             extractslabel, extractmemo, kglabel, fermentlabel, fermkgedit, fermkgspin })
        w->setVisible(extractpart);
    extractmemo->setFixedHeight(
        extractrb->isChecked() ? extractmemoheight_ + extractlayoutgrowth : extractmemoheight_);
}

void Taddform::FormActivate()
{
    kitrbClick();
}

void Taddform::XButton1Click()
{
    messages_.showmsg(
        "Go to \"Reports - Tasting Sheet\" to print out a Tasting Sheet for the current brew, then "
        "come back here to enter the results.");
}
