// Opens the brew editor over a small list of brews, with scripted messages,
// a fixed clock and fixed locale settings, and types into it as a user would.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <memory>

#include "addacc/taddform.h"
#include "platform/clock.h"
#include "platform/fakemessages.h"
#include "records/calendar.h"

namespace editortest {

// A brew with every field given.
inline BrewFields fullbrew(int num, const char* kit, int kind)
{
    BrewFields f;
    f.num = num;
    f.kit = kit;
    f.batchname = "Batch " + std::to_string(num);
    f.down = encodedate(2024, 3, 1);
    f.bottled = encodedate(2024, 3, 8);
    f.days = 0;
    f.alc = 5.2;
    f.minub = encodedate(2024, 3, 23);
    f.maxub = encodedate(2025, 3, 23);
    f.brewsugar = "Light dry malt";
    f.kgused = 1.25;
    f.water = 23.5;
    f.yeast = "Safale US-05";
    f.origgrav = 1044;
    f.primingsugar = "Raw sugar";
    f.pskgused = 0.18;
    f.finalgrav = 1008;
    f.days1 = 7;
    f.days2 = 14;
    f.brewtemp = 20.5;
    f.add1 = "Hops";
    f.add2 = "Finings";
    f.add3 = "Caf\xE9"; // single-byte text
    f.add4 = "Oak";
    f.appearance = 6;
    f.aroma = 7;
    f.taste = 30;
    f.notes = "First line\r\nSecond line";
    f.recordtype = kind;
    f.extracts = "Amber malt extract";
    f.fermkgused = 1.5;
    return f;
}

class Editor {
public:
    RecordList records;
    FakeMessages messages;
    FixedClock clock { encodedate(2024, 3, 5) + 0.5 };
    FormatSettings fs;
    bool metric = true;
    std::unique_ptr<Taddform> form;

    // Opens the editor; selected is a list position, -1 for none.
    Taddform& open(int selected, bool editing)
    {
        EditorContext context { records, selected, editing, getbrandinfo(records), metric, true, fs, messages,
            clock };
        form = std::make_unique<Taddform>(context);
        form->show();
        QApplication::setActiveWindow(form.get());
        return *form;
    }
    Taddform& add() { return open(static_cast<int>(records.size()) - 1, false); }
    Taddform& edit(int position) { return open(position, true); }
};

// Moves the focus into a field as Tab would.
inline void enter(QWidget* field)
{
    field->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

inline void click(QWidget* field)
{
    enter(field);
    const QPoint at(3, 3);
    QMouseEvent release(
        QEvent::MouseButtonRelease, at, field->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(field, &release);
}

inline void key(QWidget* field, int code, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

// Types text into the field that has the focus, key by key.
inline void type(QWidget* field, const QString& text)
{
    enter(field);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->end(false); // entering by Tab selected the text; type after it
    for (QChar c : text) {
        const int code = c.isDigit() ? Qt::Key_0 + c.digitValue() : c.isLetter() ? c.toUpper().unicode() : 0;
        key(field, code, QString(c));
    }
}

// Replaces a field's text as a user would: select all, then type.
inline void retype(QLineEdit* field, const QString& text)
{
    enter(field);
    field->selectAll();
    key(field, Qt::Key_Backspace, QStringLiteral("\b"));
    type(field, text);
}

} // namespace editortest
