// A label that shows an address and opens it with the user's default
// program when clicked; it underlines itself and turns red under the mouse.
#pragma once

#include <QLabel>
#include <QUrl>

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, const QUrl& url, QWidget* parent = nullptr);

    QUrl url() const { return url_; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void highlight(bool on);
    void open();

    QUrl url_;
};
