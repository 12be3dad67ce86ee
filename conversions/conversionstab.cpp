#include "conversions/conversionstab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/keyfilter.h"
#include "platform/qtext.h"

namespace {

constexpr int resultwidth = 130;
constexpr int boxwidth = 110;

QLabel* resultlabel(const char* name, Qt::Alignment alignment, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setMinimumWidth(resultwidth);
    return label;
}

}  // namespace

ConversionsTab::ConversionsTab(const FormatSettings& fs, QWidget* parent) : QWidget(parent), fs_(fs)
{
    setObjectName("conversionstab");
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Conversions:"), this);
    heading->setObjectName("conversionsheading");
    layout->addWidget(heading);

    tempconedit = addpair("tempgroup", tr("Celsius - Fahrenheit "), "tempconedit", celsiuslabel,
                          "celsiuslabel", Fahrlabel, "Fahrlabel");
    Edit2 = addpair("gallonsgroup", tr("Gallons  - Litres"), "Edit2", gallonslabel, "gallonslabel",
                    litreslabel, "litreslabel");
    Edit3 = addpair("poundsgroup", tr("Pounds (lbs) - Grams (g)"), "Edit3", poundslabel, "poundslabel",
                    gramslabel, "gramslabel");
    Edit4 = addpair("ouncesgroup", tr("Ounces (oz) - Grams (g)"), "Edit4", ounceslabel, "ounceslabel",
                    grams2label, "grams2label");
    Edit5 = addpair("pintsgroup", tr("Pints  - Millilitres (ml)"), "Edit5", pintslabel, "pintslabel",
                    millslabel, "millslabel");
    layout->addStretch();

    connect(tempconedit, &QLineEdit::textChanged, this, &ConversionsTab::tempconeditChange);
    connect(Edit2, &QLineEdit::textChanged, this, &ConversionsTab::Edit2Change);
    connect(Edit3, &QLineEdit::textChanged, this, &ConversionsTab::Edit3Change);
    connect(Edit4, &QLineEdit::textChanged, this, &ConversionsTab::Edit4Change);
    connect(Edit5, &QLineEdit::textChanged, this, &ConversionsTab::Edit5Change);
    for (QLineEdit* box : {tempconedit, Edit2, Edit3, Edit4, Edit5})
        box->installEventFilter(this);
}

QLineEdit* ConversionsTab::addpair(const char* group, const QString& caption, const char* box,
                                   QLabel*& left, const char* leftname, QLabel*& right,
                                   const char* rightname)
{
    auto* groupbox = new QGroupBox(caption, this);
    groupbox->setObjectName(group);
    auto* row = new QHBoxLayout(groupbox);
    // The left result ends next to the box, the right one starts next to it.
    left = resultlabel(leftname, Qt::AlignRight, groupbox);
    auto* edit = new QLineEdit(groupbox);
    edit->setObjectName(box);
    edit->setFixedWidth(boxwidth);
    right = resultlabel(rightname, Qt::AlignLeft, groupbox);
    row->addWidget(left);
    row->addWidget(edit);
    row->addWidget(right);
    row->addStretch();
    layout()->addWidget(groupbox);
    return edit;
}

void ConversionsTab::visit()
{
    celsiuslabel->clear();
    Fahrlabel->clear();
    if (tempconedit->text().isEmpty())
        tempconedit->setText(QStringLiteral("0"));
    tempconedit->setFocus();
    tempconedit->selectAll();  // the next key typed replaces the value
    tempconeditChange();
    for (QLineEdit* box : {Edit2, Edit3, Edit4, Edit5})
        if (box->text().isEmpty())
            box->setText(QStringLiteral("1"));
}

void ConversionsTab::tempconeditChange()
{
    showresults(UnitPair::temperature, tempconedit, celsiuslabel, Fahrlabel);
}

void ConversionsTab::Edit2Change() { showresults(UnitPair::gallons, Edit2, gallonslabel, litreslabel); }
void ConversionsTab::Edit3Change() { showresults(UnitPair::pounds, Edit3, poundslabel, gramslabel); }
void ConversionsTab::Edit4Change() { showresults(UnitPair::ounces, Edit4, ounceslabel, grams2label); }
void ConversionsTab::Edit5Change() { showresults(UnitPair::pints, Edit5, pintslabel, millslabel); }

void ConversionsTab::showresults(UnitPair pair, const QLineEdit* box, QLabel* left, QLabel* right)
{
    // The boxes are emptied while the window is built; that is no typing.
    if (!window()->isVisible())
        return;
    const PairResults results = convertunits(pair, fromqs(box->text()), fs_);
    left->setText(toqs(results.left));
    right->setText(toqs(results.right));
}

bool ConversionsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == tempconedit)
            return tempconeditKeyPress(key);
        for (QLineEdit* box : {Edit2, Edit3, Edit4, Edit5})
            if (watched == box)
                return Edit2KeyPress(box, key);
    }
    return QWidget::eventFilter(watched, event);
}

bool ConversionsTab::tempconeditKeyPress(QKeyEvent* key) { return numberboxkey(tempconedit, key, true); }

bool ConversionsTab::Edit2KeyPress(QLineEdit* box, QKeyEvent* key) { return numberboxkey(box, key, false); }

bool ConversionsTab::numberboxkey(QLineEdit* box, QKeyEvent* key, bool allowminus)
{
    std::string typed;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        typed = "\r";
    else if (!key->text().isEmpty() && key->text().front().isPrint())
        typed = fromqs(key->text());
    else
        return false;  // Backspace, Delete, arrows and shortcuts such as Ctrl+V
    const KeyVerdict verdict =
        filterkey(allowminus ? KeyFilter::signednumberkeys : KeyFilter::numberkeys, typed, fs_);
    switch (verdict.action) {
    case KeyVerdict::accept:
        return false;
    case KeyVerdict::replace:
        box->insert(toqs(verdict.text));
        return true;
    case KeyVerdict::nextcontrol:
        focusNextChild();
        return true;
    case KeyVerdict::refuse:
        return true;
    }
    return true;
}
