// A label that shows a web address, underlines itself and turns red while the
// mouse is over it, and opens the address when clicked.
#pragma once

#include <QLabel>

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& address, QWidget* parent = nullptr);

    QString address() const { return address_; }
    bool highlighted() const { return highlighted_; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void sethighlight(bool on);

    QString address_;
    bool highlighted_ = false;
};
