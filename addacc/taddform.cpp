// The brew editor's window: its controls, their layout and their wiring.
#include "addacc/taddform.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "addacc/editorwidgets.h"
#include "platform/qtext.h"

namespace {

constexpr int numberwidth = 72;
constexpr int datewidth = 92;
constexpr int extractmemodesignheight = 52;

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit* edit(QWidget* parent, const char* name, int width = 0)
{
    auto* e = named(new QLineEdit(parent), name);
    e->setMaxLength(static_cast<int>(shortstringmax));
    if (width > 0)
        e->setFixedWidth(width);
    return e;
}

QComboBox* combo(QWidget* parent, const char* name, int lines)
{
    auto* c = named(new QComboBox(parent), name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(lines);
    c->lineEdit()->setMaxLength(static_cast<int>(shortstringmax));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(18);
    return c;
}

// A field with its spin button right beside it, and an optional caption after.
QHBoxLayout* withspin(QWidget* field, UpDown* spin, QWidget* after = nullptr)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    row->addWidget(field);
    row->addWidget(spin);
    if (after) {
        row->addSpacing(6);
        row->addWidget(after);
    }
    row->addStretch(1);
    return row;
}

} // namespace

Taddform::Taddform(const EditorContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , context_(context)
    , fs_(context_.formatsettings)
    , messages_(context_.messages)
{
    setObjectName(QStringLiteral("addform"));
    setWindowTitle(tr("Editing a brew record"));
    createcontrols();
    connecthandlers();
    // Room for the fullest layout, so that switching kinds does not resize.
    setFixedSize(sizeHint());
    FormCreate();
}

Taddform::~Taddform() = default;

void Taddform::createcontrols()
{
    auto* columns = new QHBoxLayout;
    columns->setSpacing(18);
    columns->addLayout(createleftcolumn(), 11);
    columns->addLayout(createrightcolumn(), 10);

    Memo = named(new LimitedMemo(this), "Memo");
    Memo->setFixedHeight(84);
    fulllabel = label(this, {}, "fulllabel");
    fulllabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    okbutton = named(new QPushButton(tr("&Ok"), this), "okbutton");
    cancelbutton = named(new QPushButton(tr("&Cancel"), this), "cancelbutton");
    for (QPushButton* b : { okbutton, cancelbutton })
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okbutton);
    buttons->addWidget(cancelbutton);

    auto* notesheading = new QHBoxLayout;
    notesheading->addWidget(label(this, tr("Notes:"), "noteslabel"));
    notesheading->addStretch(1);
    notesheading->addWidget(fulllabel);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns);
    whole->addSpacing(4);
    whole->addLayout(notesheading);
    whole->addWidget(Memo);
    whole->addSpacing(4);
    whole->addLayout(buttons);

    QWidget* const order[] = { batchnoedit, brewkitscb, batchnameedit, datedownedit, Brewingsugarcb,
        kgusededit, extractmemo, fermkgedit, wateredit, yeastcb, originalgravityedit, kitrb, bottlededit,
        primingsugarcb, pskgusededit, finalgravityedit, primaryedit, secondaryedit, brewtempedit, alcedit,
        minedit, maxedit, add1edit, add2edit, add3edit, add4edit, appearanceEdit, aromaedit, tasteedit, Memo,
        okbutton, cancelbutton };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QLayout* Taddform::createleftcolumn()
{
    batchnoedit = edit(this, "batchnoedit", numberwidth);
    brewkitscb = combo(this, "brewkitscb", 14);
    batchnameedit = edit(this, "batchnameedit");
    datedownedit = edit(this, "datedownedit", datewidth);
    downUpDown = named(new UpDown(this), "downUpDown");
    Brewingsugarcb = combo(this, "Brewingsugarcb", 10);
    kgusededit = edit(this, "kgusededit", numberwidth);
    kgusedspin = named(new UpDown(this), "kgusedspin");
    extractmemo = named(new LimitedMemo(this), "extractmemo");
    extractmemo->setFixedHeight(extractmemodesignheight);
    fermkgedit = edit(this, "fermkgedit", numberwidth);
    fermkgspin = named(new UpDown(this), "fermkgspin");
    wateredit = edit(this, "wateredit", numberwidth);
    UpDown2 = named(new UpDown(this), "UpDown2");
    yeastcb = combo(this, "yeastcb", 10);
    originalgravityedit = edit(this, "originalgravityedit", numberwidth);
    originalgravspin = named(new UpDown(this), "originalgravspin");

    brewkitlabel = label(this, tr("Brew Kit:"), "brewkitlabel");
    sugarlabel = label(this, tr("Brewing Sugar:"), "sugarlabel");
    kgusedlabel = label(this, {}, "kgusedlabel");
    extractslabel = label(this, tr("Extracts:"), "extractslabel");
    fermentlabel = label(this, tr("fermentables:"), "fermentlabel");
    kglabel = label(this, {}, "kglabel");
    waterlabel = label(this, {}, "waterlabel");
    auto* datedownlabel = label(this, tr("Date down:"), "datedownlabel");
    QFont bold = datedownlabel->font();
    bold.setBold(true);
    datedownlabel->setFont(bold);

    gravwarninglabel
        = label(this, tr("Original gravity is not greater than final gravity."), "gravwarninglabel");
    gravwarninglabel->setStyleSheet(QStringLiteral("color: red"));
    QSizePolicy keepplace = gravwarninglabel->sizePolicy();
    keepplace.setRetainSizeWhenHidden(true);
    gravwarninglabel->setSizePolicy(keepplace);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(5);
    int row = 0;
    grid->addWidget(label(this, tr("Batch No.:")), row, 0);
    grid->addWidget(batchnoedit, row++, 1, Qt::AlignLeft);
    grid->addWidget(brewkitlabel, row, 0);
    grid->addWidget(brewkitscb, row++, 1);
    grid->addWidget(label(this, tr("Batch name:")), row, 0);
    grid->addWidget(batchnameedit, row++, 1);
    grid->addWidget(datedownlabel, row, 0);
    grid->addLayout(withspin(datedownedit, downUpDown), row++, 1);
    grid->addWidget(sugarlabel, row, 0);
    grid->addWidget(Brewingsugarcb, row++, 1);
    grid->addWidget(kgusedlabel, row, 0, Qt::AlignRight);
    grid->addLayout(withspin(kgusededit, kgusedspin), row++, 1);
    grid->addWidget(extractslabel, row, 0, Qt::AlignTop);
    grid->addWidget(extractmemo, row++, 1);
    grid->addWidget(fermentlabel, row, 0, Qt::AlignRight);
    grid->addLayout(withspin(fermkgedit, fermkgspin, kglabel), row++, 1);
    grid->addWidget(waterlabel, row, 0);
    grid->addLayout(withspin(wateredit, UpDown2), row++, 1);
    grid->addWidget(label(this, tr("Yeast:")), row, 0);
    grid->addWidget(yeastcb, row++, 1);
    grid->addWidget(label(this, tr("Original gravity:")), row, 0);
    grid->addLayout(
        withspin(originalgravityedit, originalgravspin, label(this, tr("(eg 1040 = 1.040)"))), row++, 1);
    grid->addWidget(gravwarninglabel, row++, 0, 1, 2);

    additivesgroupbox = named(new QGroupBox(tr("Additives"), this), "additivesgroupbox");
    auto* additives = new QGridLayout(additivesgroupbox);
    additives->setVerticalSpacing(3);
    QLineEdit** adds[] = { &add1edit, &add2edit, &add3edit, &add4edit };
    const char* addnames[] = { "add1edit", "add2edit", "add3edit", "add4edit" };
    for (int i = 0; i < 4; ++i) {
        *adds[i] = edit(additivesgroupbox, addnames[i]);
        additives->addWidget(label(additivesgroupbox, QString::number(i + 1)), i, 0);
        additives->addWidget(*adds[i], i, 1);
    }

    auto* column = new QVBoxLayout;
    column->addLayout(grid);
    column->addWidget(additivesgroupbox);
    column->addStretch(1);
    return column;
}

QLayout* Taddform::createrightcolumn()
{
    kitrb = named(new QRadioButton(tr("Kit"), this), "kitrb");
    extractrb = named(new QRadioButton(tr("Extract"), this), "extractrb");
    modifiedkitrb = named(new QRadioButton(tr("Modified Kit"), this), "modifiedkitrb");
    kitrb->setChecked(true);
    bottlededit = edit(this, "bottlededit", datewidth);
    bottUpDown = named(new UpDown(this), "bottUpDown");
    primingsugarcb = combo(this, "primingsugarcb", 13);
    pskgusededit = edit(this, "pskgusededit", numberwidth);
    pskgusedspin = named(new UpDown(this), "pskgusedspin");
    finalgravityedit = edit(this, "finalgravityedit", numberwidth);
    finalgravityspin = named(new UpDown(this), "finalgravityspin");
    primaryedit = edit(this, "primaryedit", 44);
    secondaryedit = edit(this, "secondaryedit", 44);
    brewtempedit = edit(this, "brewtempedit", numberwidth);
    tempspin = named(new UpDown(this), "tempspin");
    alcedit = edit(this, "alcedit", numberwidth);
    minedit = edit(this, "minedit", datewidth);
    maxedit = edit(this, "maxedit", datewidth);
    Label13 = label(this, {}, "Label13");
    Label30 = label(this, QStringLiteral("\u00B0"), "Label30");
    Label31 = label(this, {}, "Label31");

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(kitrb);
    kinds->addWidget(extractrb);
    kinds->addWidget(modifiedkitrb);
    kinds->addStretch(1);

    auto* bottledlabel = label(this, tr("Date bottled:"), "bottledlabel");
    QFont bold = bottledlabel->font();
    bold.setBold(true);
    bottledlabel->setFont(bold);

    auto* days = new QHBoxLayout;
    days->addWidget(label(this, tr("Primary:")));
    days->addWidget(primaryedit);
    days->addSpacing(8);
    days->addWidget(label(this, tr("Secondary:")));
    days->addWidget(secondaryedit);
    days->addStretch(1);

    auto* temperature = new QHBoxLayout;
    temperature->setSpacing(1);
    temperature->addWidget(brewtempedit);
    temperature->addWidget(tempspin);
    temperature->addSpacing(4);
    temperature->addWidget(Label30, 0, Qt::AlignTop);
    temperature->addWidget(Label31);
    temperature->addStretch(1);

    auto* usebydate = new QHBoxLayout;
    usebydate->addWidget(label(this, tr("Min:")));
    usebydate->addWidget(minedit);
    usebydate->addSpacing(8);
    usebydate->addWidget(label(this, tr("Max:")));
    usebydate->addWidget(maxedit);
    usebydate->addStretch(1);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(5);
    int row = 0;
    grid->addLayout(kinds, row++, 0, 1, 2);
    grid->addWidget(bottledlabel, row, 0);
    grid->addLayout(withspin(bottlededit, bottUpDown), row++, 1);
    grid->addWidget(label(this, tr("Priming sugar:")), row, 0);
    grid->addWidget(primingsugarcb, row++, 1);
    grid->addWidget(Label13, row, 0, Qt::AlignRight);
    grid->addLayout(withspin(pskgusededit, pskgusedspin), row++, 1);
    grid->addWidget(label(this, tr("Final gravity")), row, 0);
    grid->addLayout(
        withspin(finalgravityedit, finalgravityspin, label(this, tr("(eg 1006 = 1.006)"))), row++, 1);
    grid->addWidget(label(this, tr("Days fermentation:")), row, 0);
    grid->addLayout(days, row++, 1);
    grid->addWidget(label(this, tr("Brewing temp:")), row, 0);
    grid->addLayout(temperature, row++, 1);
    grid->addWidget(label(this, tr("Alc % Volume:")), row, 0);
    grid->addWidget(alcedit, row++, 1, Qt::AlignLeft);
    grid->addWidget(label(this, tr("Use by date:")), row, 0);
    grid->addLayout(usebydate, row++, 1);

    tastinggroupbox = named(new QGroupBox(tr("Tasting"), this), "tastinggroupbox");
    appearanceEdit = named(new SpinEdit(7, tastinggroupbox), "appearanceEdit");
    aromaedit = named(new SpinEdit(8, tastinggroupbox), "aromaedit");
    tasteedit = named(new SpinEdit(35, tastinggroupbox), "tasteedit");
    XButton1 = named(new QToolButton(tastinggroupbox), "XButton1");
    XButton1->setText(QStringLiteral("?"));
    XButton1->setAutoRaise(true);
    auto* tasting = new QGridLayout(tastinggroupbox);
    tasting->setVerticalSpacing(3);
    const std::pair<SpinEdit*, QString> scores[] = { { appearanceEdit, tr("Appearance:") },
        { aromaedit, tr("Aroma/Bouquet:") }, { tasteedit, tr("Taste:") } };
    int line = 0;
    for (const auto& [spin, caption] : scores) {
        tasting->addWidget(label(tastinggroupbox, caption), line, 0);
        tasting->addWidget(spin, line, 1);
        auto* range = label(tastinggroupbox, QStringLiteral("1-%1").arg(spin->maximum()));
        range->setStyleSheet(QStringLiteral("color: grey"));
        tasting->addWidget(range, line++, 2);
    }
    tasting->setColumnStretch(3, 1);
    tasting->addWidget(XButton1, 0, 4, Qt::AlignTop | Qt::AlignRight);

    auto* column = new QVBoxLayout;
    column->addLayout(grid);
    column->addWidget(tastinggroupbox);
    column->addStretch(1);
    return column;
}

void Taddform::connecthandlers()
{
    connect(okbutton, &QPushButton::clicked, this, &Taddform::okbuttonClick);
    connect(cancelbutton, &QPushButton::clicked, this, &Taddform::cancelbuttonClick);
    connect(XButton1, &QToolButton::clicked, this, &Taddform::XButton1Click);
    for (QRadioButton* rb : { kitrb, extractrb, modifiedkitrb })
        connect(rb, &QRadioButton::clicked, this, &Taddform::kitrbClick);

    const std::pair<UpDown*, void (Taddform::*)(bool)> spins[]
        = { { kgusedspin, &Taddform::kgusedspinClick }, { pskgusedspin, &Taddform::pskgusedspinClick },
              { fermkgspin, &Taddform::fermkgspinClick }, { UpDown2, &Taddform::UpDown2Click },
              { tempspin, &Taddform::tempspinClick }, { originalgravspin, &Taddform::originalgravspinClick },
              { finalgravityspin, &Taddform::finalgravityspinClick },
              { downUpDown, &Taddform::downUpDownClick }, { bottUpDown, &Taddform::bottUpDownClick } };
    for (const auto& [spin, handler] : spins)
        connect(spin, &UpDown::clicked, this,
            [this, handler](bool up) { guarded([&] { (this->*handler)(up); }); });

    const std::pair<QLineEdit*, void (Taddform::*)()> changes[]
        = { { kgusededit, &Taddform::kgusededitChange }, { pskgusededit, &Taddform::pskgusededitChange },
              { secondaryedit, &Taddform::secondaryeditChange },
              { primaryedit, &Taddform::primaryeditChange }, { brewtempedit, &Taddform::brewtempeditChange },
              { minedit, &Taddform::mineditChange }, { maxedit, &Taddform::maxeditChange },
              { add1edit, &Taddform::add1editChange }, { add2edit, &Taddform::add1editChange },
              { add3edit, &Taddform::add1editChange }, { add4edit, &Taddform::add1editChange },
              { datedownedit, &Taddform::bottlededitChange }, { bottlededit, &Taddform::bottlededitChange },
              { fermkgedit, &Taddform::fermkgeditChange } };
    for (const auto& [field, handler] : changes)
        connect(field, &QLineEdit::textChanged, this, handler);
    for (SpinEdit* spin : { appearanceEdit, aromaedit, tasteedit })
        connect(spin, &QSpinBox::valueChanged, this, &Taddform::add1editChange);
    connect(extractmemo, &QPlainTextEdit::textChanged, this, &Taddform::extractmemoChange);
    connect(Memo, &QPlainTextEdit::textChanged, this, &Taddform::MemoChange);
    connect(Brewingsugarcb, &QComboBox::currentTextChanged, this, &Taddform::BrewingsugarcbChange);
    connect(yeastcb, &QComboBox::currentTextChanged, this, &Taddform::yeastcbChange);
    connect(primingsugarcb, &QComboBox::currentTextChanged, this, &Taddform::primingsugarcbChange);

    using T = Taddform;
    for (QWidget* w : std::initializer_list<QWidget*> { brewkitscb, batchnameedit, Brewingsugarcb, yeastcb,
             primingsugarcb, add1edit, add2edit, add3edit, add4edit, appearanceEdit, aromaedit, tasteedit })
        watch(w, { &T::add1editKeyPress });
    watch(batchnoedit, { &T::batchnoeditKeyPress, nullptr, nullptr, nullptr, &T::batchnoeditExit });
    watch(kgusededit, { &T::kgusededitKeyPress, &T::kgusededitEnter, &T::kgusededitEnter });
    watch(wateredit, { &T::kgusededitKeyPress, &T::watereditEnter, &T::watereditEnter });
    watch(fermkgedit, { &T::kgusededitKeyPress, &T::fermkgeditEnter, &T::fermkgeditClick });
    watch(pskgusededit, { &T::kgusededitKeyPress, &T::pskgusededitEnter, &T::pskgusededitEnter });
    watch(brewtempedit, { &T::kgusededitKeyPress, &T::brewtempeditEnter, &T::brewtempeditEnter });
    watch(alcedit, { &T::kgusededitKeyPress, &T::alceditEnter, &T::alceditEnter });
    watch(originalgravityedit,
        { &T::batchnoeditKeyPress, &T::originalgravityeditEnter, &T::originalgravityeditEnter, nullptr,
            nullptr, &T::originalgravityeditKeyUp });
    watch(
        finalgravityedit, { &T::batchnoeditKeyPress, &T::finalgravityeditEnter, &T::finalgravityeditEnter });
    watch(primaryedit, { &T::batchnoeditKeyPress, &T::primaryeditEnter, &T::primaryeditEnter });
    watch(secondaryedit, { &T::batchnoeditKeyPress });
    watch(minedit, { &T::datedowneditKeyPress, &T::mineditEnter, &T::mineditEnter });
    watch(maxedit, { &T::datedowneditKeyPress, &T::maxeditEnter, nullptr, &T::maxeditEnter });
    // The two dates typed freely and the memos have no key filter.
    watch(datedownedit, { nullptr, &T::datedowneditEnter });
    watch(bottlededit, { nullptr, &T::bottlededitEnter, nullptr, nullptr, &T::bottlededitExit });
}

void Taddform::watch(QWidget* field, FieldEvents events)
{
    fieldevents_.insert(field, events);
    field->installEventFilter(this);
    // A combo box's or spin edit's own edit field may receive the events.
    if (auto* inner = field->findChild<QLineEdit*>()) {
        fieldevents_.insert(inner, events);
        inner->installEventFilter(this);
    }
}

bool Taddform::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = fieldevents_.constFind(watched);
    if (found == fieldevents_.constEnd())
        return QDialog::eventFilter(watched, event);
    const FieldEvents& on = *found;
    auto run = [this](void (Taddform::*handler)()) {
        if (handler)
            guarded([&] { (this->*handler)(); });
    };
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            run(on.enter);
        break;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            run(on.exit);
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            run(on.click);
        break;
    case QEvent::MouseButtonDblClick:
        run(on.dblclick);
        break;
    case QEvent::KeyRelease:
        run(on.keyup);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (FormKeyDown(key))
            return true;
        if (on.keypress)
            return (this->*on.keypress)(static_cast<QWidget*>(watched), key);
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// The window sees every key before its fields: Escape alone cancels.
bool Taddform::FormKeyDown(QKeyEvent* key)
{
    if (key->key() != Qt::Key_Escape
        || (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
        return false;
    cancelbuttonClick();
    return true;
}

bool Taddform::add1editKeyPress(QWidget* field, QKeyEvent* key)
{
    return filterkey(field, KeyFilter::anykey, key);
}
bool Taddform::kgusededitKeyPress(QWidget* field, QKeyEvent* key)
{
    return filterkey(field, KeyFilter::numberkeys, key);
}
bool Taddform::batchnoeditKeyPress(QWidget* field, QKeyEvent* key)
{
    return filterkey(field, KeyFilter::digitsonly, key);
}
bool Taddform::datedowneditKeyPress(QWidget* field, QKeyEvent* key)
{
    return filterkey(field, KeyFilter::datekeys, key);
}

bool Taddform::filterkey(QWidget* field, KeyFilter filter, QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextPrevChild(true);
        return true;
    default:
        break;
    }
    const QString typed = key->text();
    if (typed.isEmpty())
        return false; // arrows, Home, End and the like type nothing
    const KeyVerdict verdict = ::filterkey(filter, fromqs(typed), fs_);
    switch (verdict.action) {
    case KeyVerdict::accept:
        return false;
    case KeyVerdict::refuse:
        return true;
    case KeyVerdict::nextcontrol:
        focusNextPrevChild(true);
        return true;
    case KeyVerdict::replace: {
        QKeyEvent replacement(QEvent::KeyPress, 0, Qt::NoModifier, toqs(verdict.text));
        QCoreApplication::sendEvent(field, &replacement);
        return true;
    }
    }
    return false;
}

bool Taddform::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void Taddform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
