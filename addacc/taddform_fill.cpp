// The brew editor: filling the window, change tracking, the batch number
// check, accepting and closing.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "addacc/editorfill.h"
#include "addacc/editorwidgets.h"
#include "addacc/taddform.h"
#include "platform/messages.h"
#include "platform/qtext.h"
#include "records/valueparse.h"

namespace {

// The notes memo takes what the record's notes can hold; its gauge counts
// against 2000 characters.
constexpr int notesgaugelimit = 2000;
constexpr int notesmemolimit = static_cast<int>(notessize) - 1;
constexpr int extractsmemolimit = static_cast<int>(extractssize) - 1;

void applycombo(QComboBox* box, const ComboList& list)
{
    box->clear();
    for (const std::string& item : list.items())
        box->addItem(fromansi(item));
    box->setCurrentIndex(list.index());
    box->setEditText(fromansi(list.text()));
}

QString realtext(double value, int decimals, const FormatSettings& fs)
{
    return isnotgiven(value) ? QString() : toqs(formatfixed(value, decimals, fs));
}

QString inttext(std::int32_t value)
{
    return value == -1 ? QString() : QString::number(value);
}

QString datetext(TDateTime date, const FormatSettings& fs)
{
    return date == nodate ? QString() : toqs(formatdate(date, fs));
}

} // namespace

const tbaccrec* Taddform::selectedrecord() const
{
    const int i = context_.selected;
    if (i < 0 || i >= static_cast<int>(context_.records.size()))
        return nullptr;
    return context_.records[static_cast<std::size_t>(i)].get();
}

const tbaccrec* Taddform::lastrecord() const
{
    return context_.records.empty() ? nullptr : context_.records.back().get();
}

QRadioButton* Taddform::kindbutton(int recordtype) const
{
    switch (recordtype) {
    case kindExtract:
        return extractrb;
    case kindModifiedKit:
        return modifiedkitrb;
    default:
        return kitrb;
    }
}

void Taddform::FormCreate()
{
    extractmemoheight_ = extractmemo->minimumHeight();
    kindclicked_ = false;
    extractmemo->setlimit(extractsmemolimit);
    acceptedflag_ = brewsugarchanged_ = yeastchanged_ = primingsugarchanged_ = false;
    gravwarninglabel->hide();

    const int highest = highestnum(context_.records);
    setunitcaptions();
    batchnoedit->setText(QString::number(highest + 1));
    Memo->setlimit(notesmemolimit);
    batchnameedit->setText({});
    datedownedit->setText({});

    const tbaccrec* last = lastrecord();
    ComboList sugars = brewingsugarlist(context_.records, last);
    ComboList yeasts = yeastlist(context_.records, last);
    ComboList priming = primingsugarlist(context_.records, last);
    emptyfields();
    ComboList kits = kitlist(context_.kits, last);
    sethints();

    const tbaccrec* selected = selectedrecord();
    const bool editing = context_.editing && selected;
    if (editing) {
        loadkit(kits, getshortstring(selected->kit));
        loadsugar(sugars, getshortstring(selected->brewsugar));
        loadsugar(yeasts, getshortstring(selected->yeast));
        loadprimingsugar(priming, getshortstring(selected->primingsugar));
    }
    applycombo(Brewingsugarcb, sugars);
    applycombo(yeastcb, yeasts);
    applycombo(primingsugarcb, priming);
    applycombo(brewkitscb, kits);
    forcedcarbonationrule();
    if (editing) {
        setWindowTitle(tr("Editing a brew record"));
        loadselectedrecord();
    }
    initialkit_ = kitposition();

    const int kind = selected ? selected->recordtype : kindKit;
    if (kind == kindKit || kind == kindExtract || kind == kindModifiedKit)
        kindbutton(kind)->setChecked(true);
    kitrbClick();
    initialkind_ = kind;
    updatefulllabel();

    // Nothing put in while filling counts as a change.
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->setModified(false);
    for (LimitedMemo* m : { Memo, extractmemo })
        m->setmodified(false);
    for (SpinEdit* s : { appearanceEdit, aromaedit, tasteedit })
        s->modified = false;
}

void Taddform::setunitcaptions()
{
    const bool metric = context_.MetricUnits;
    Label31->setText(metric ? QStringLiteral("C") : QStringLiteral("F"));
    kgusedlabel->setText(metric ? tr("kg used:") : tr("lbs used:"));
    kglabel->setText(metric ? tr("kg") : tr("lbs"));
    Label13->setText(metric ? tr("kg used:") : tr("lbs used:"));
    waterlabel->setText(metric ? tr("Litres of water:") : tr("Gallons of water:"));
}

void Taddform::emptyfields()
{
    for (QLineEdit* e :
        { kgusededit, wateredit, originalgravityedit, add1edit, add2edit, add3edit, add4edit })
        e->setText({});
    for (SpinEdit* s : { appearanceEdit, aromaedit, tasteedit })
        s->setValue(0);
    for (QLineEdit* e : { pskgusededit, finalgravityedit, primaryedit, secondaryedit, brewtempedit, alcedit,
             bottlededit, minedit, maxedit, fermkgedit })
        e->setText({});
    Memo->setstoredtext({});
    extractmemo->setstoredtext({});
}

void Taddform::sethints()
{
    const auto hint
        = [this](QWidget* w, const QString& text) { w->setToolTip(context_.showhints ? text : QString()); };
    hint(okbutton, tr("Accept changes"));
    hint(cancelbutton, tr("Don't save changes"));
    for (QWidget* w : std::initializer_list<QWidget*> { kgusededit, kgusedlabel })
        hint(w, tr("weight of sugar used"));
    for (QWidget* w : std::initializer_list<QWidget*> { fermkgedit, fermentlabel, kglabel })
        hint(w, tr("weight of fermentables in extracts"));
    hint(XButton1, tr("Click for help on Tasting"));
}

// The selected brew's values; the combo boxes have been set already.
void Taddform::loadselectedrecord()
{
    const tbaccrec& r = *selectedrecord();
    if (r.num > 0)
        batchnoedit->setText(QString::number(r.num));
    batchnameedit->setText(fromansi(getshortstring(r.batchname)));
    datedownedit->setText(datetext(r.down, fs_));
    kgusededit->setText(realtext(r.kgused, 3, fs_));
    wateredit->setText(realtext(r.water, 1, fs_));
    originalgravityedit->setText(inttext(r.origgrav));
    add1edit->setText(fromansi(getshortstring(r.add1)));
    add2edit->setText(fromansi(getshortstring(r.add2)));
    add3edit->setText(fromansi(getshortstring(r.add3)));
    add4edit->setText(fromansi(getshortstring(r.add4)));
    appearanceEdit->setValue(r.appearance);
    aromaedit->setValue(r.aroma);
    tasteedit->setValue(r.taste);
    pskgusededit->setText(realtext(r.pskgused, 3, fs_));
    finalgravityedit->setText(inttext(r.finalgrav));
    primaryedit->setText(inttext(r.days1));
    secondaryedit->setText(inttext(r.days2));
    brewtempedit->setText(realtext(r.brewtemp, 1, fs_));
    alcedit->setText(realtext(r.alc, 1, fs_));
    bottlededit->setText(datetext(r.bottled, fs_));
    minedit->setText(datetext(r.minub, fs_));
    maxedit->setText(datetext(r.maxub, fs_));
    Memo->setstoredtext(getnotesstring(r));
    extractmemo->setstoredtext(getextractsstring(r));
    fermkgedit->setText(realtext(r.fermkgused, 3, fs_));
}

// The position of the kit shown, also when it was typed rather than picked.
int Taddform::kitposition() const
{
    const QString text = brewkitscb->currentText();
    const int i = brewkitscb->currentIndex();
    if (i >= 0 && brewkitscb->itemText(i) == text)
        return i;
    return brewkitscb->findText(text, Qt::MatchFixedString);
}

bool Taddform::ismodified() const
{
    if (acceptedflag_)
        return false;
    if (kitposition() != initialkit_ || brewsugarchanged_ || yeastchanged_ || primingsugarchanged_)
        return true;
    for (const QLineEdit* e : { batchnoedit, batchnameedit, kgusededit, wateredit, originalgravityedit,
             pskgusededit, finalgravityedit, primaryedit, secondaryedit, brewtempedit, alcedit, bottlededit,
             datedownedit, minedit, maxedit, add1edit, add2edit, add3edit, add4edit, fermkgedit }) {
        if (e->isModified())
            return true;
    }
    if (Memo->modified() || extractmemo->modified())
        return true;
    if (appearanceEdit->modified || aromaedit->modified || tasteedit->modified)
        return true;
    return kindclicked_ && !kindbutton(initialkind_)->isChecked();
}

bool Taddform::checknoedit()
{
    if (!batchnoedit->isModified())
        return true;
    const std::int32_t typed = getint(fromqs(batchnoedit->text()));
    if (typed == -1)
        return true;
    const RecordList& records = context_.records;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (context_.editing && static_cast<int>(i) == context_.selected)
            continue;
        if (records[i]->num != typed)
            continue;
        const int proposed = highestnum(records) + 1;
        batchnoedit->setText(QString::number(proposed));
        batchnoedit->repaint();
        messages_.showmsg(
            "Batch No. " + std::to_string(typed) + " already exists.  Making it " + std::to_string(proposed));
        batchnoedit->setFocus();
        return false;
    }
    return true;
}

void Taddform::batchnoeditExit()
{
    checknoedit();
}

void Taddform::updatefulllabel()
{
    fulllabel->setText(toqs(notesgauge(static_cast<std::size_t>(Memo->storedlength()), notesgaugelimit)));
}

void Taddform::MemoChange()
{
    updatefulllabel();
    if (visible())
        Memo->setmodified(true);
}

BrewFields Taddform::fieldsfromcontrols() const
{
    const auto text = [](const QLineEdit* e) { return fromqs(e->text()); };
    BrewFields f;
    f.num = getint(text(batchnoedit));
    f.kit = toansi(brewkitscb->currentText());
    f.batchname = toansi(batchnameedit->text());
    f.down = getdate(text(datedownedit), fs_);
    f.brewsugar = toansi(Brewingsugarcb->currentText());
    f.kgused = getreal(text(kgusededit), fs_);
    f.water = getreal(text(wateredit), fs_);
    f.yeast = toansi(yeastcb->currentText());
    f.origgrav = getint(text(originalgravityedit));
    f.extracts = extractmemo->storedtext();
    f.fermkgused = getreal(text(fermkgedit), fs_);
    f.bottled = getdate(text(bottlededit), fs_);
    f.primingsugar = toansi(primingsugarcb->currentText());
    f.pskgused = getreal(text(pskgusededit), fs_);
    f.finalgrav = getint(text(finalgravityedit));
    f.days1 = getint(text(primaryedit));
    f.days2 = getint(text(secondaryedit));
    f.brewtemp = getreal(text(brewtempedit), fs_);
    f.alc = getreal(text(alcedit), fs_);
    f.minub = getdate(text(minedit), fs_);
    f.maxub = getdate(text(maxedit), fs_);
    f.add1 = toansi(add1edit->text());
    f.add2 = toansi(add2edit->text());
    f.add3 = toansi(add3edit->text());
    f.add4 = toansi(add4edit->text());
    f.appearance = appearanceEdit->value();
    f.aroma = aromaedit->value();
    f.taste = tasteedit->value();
    f.notes = Memo->storedtext();
    f.recordtype = kitrb->isChecked() ? kindKit : extractrb->isChecked() ? kindExtract : kindModifiedKit;
    f.days = 0;
    return f;
}

void Taddform::acceptrecord()
{
    accepted_ = fieldsfromcontrols();
    acceptedbatchno = fromqs(batchnoedit->text());
    acceptedflag_ = true;
}

void Taddform::okbuttonClick()
{
    guarded([this] { acceptrecord(); });
    if (acceptedflag_)
        done(QDialog::Accepted);
}

void Taddform::cancelbuttonClick()
{
    reject();
}

// Every way of closing comes here: OK, Cancel, Escape and the title bar.
void Taddform::done(int result)
{
    bool close = false;
    guarded([&] { close = FormCloseQuery(result); });
    if (close)
        QDialog::done(result);
}

bool Taddform::FormCloseQuery(int& result)
{
    if (!ismodified())
        return true;
    if (!checknoedit())
        return false;
    switch (
        messages_.askyesnocancel("This brew record has been modified.\nDo you want to save the changes?")) {
    case Answer::yes:
        acceptrecord();
        result = QDialog::Accepted;
        return true;
    case Answer::no:
        return true;
    case Answer::cancel:
        break;
    }
    return false;
}
