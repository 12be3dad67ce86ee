// Small widgets of the brew editor: the up/down spin button that sits beside
// a field without being tied to it, a spin edit with a modified mark, and a
// memo with a length limit.
#pragma once

#include <QPlainTextEdit>
#include <QSpinBox>
#include <QWidget>

class QToolButton;

// Two small arrow buttons. Only the direction of a click counts; the field
// beside it decides what a step means.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    QToolButton* upbutton() const { return up_; }
    QToolButton* downbutton() const { return down_; }

signals:
    void clicked(bool up);

private:
    QToolButton* up_;
    QToolButton* down_;
};

// A spin edit that remembers whether the user changed it.
class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(int maximum, QWidget* parent = nullptr);

    bool modified = false;
};

// A plain-text memo that takes at most `limit` characters, a line break
// counting as two (it is stored as a carriage return and a line feed).
class LimitedMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LimitedMemo(QWidget* parent = nullptr);

    void setlimit(int limit) { limit_ = limit; }
    int limit() const { return limit_; }
    // The number of characters as stored.
    int storedlength() const;

    // Stored single-byte text in and out, line breaks as CR LF.
    void setstoredtext(const std::string& ansi);
    std::string storedtext() const;

    bool modified() const;
    void setmodified(bool on);

private:
    void enforcelimit();

    int limit_ = 0;
    bool limiting_ = false;
};
