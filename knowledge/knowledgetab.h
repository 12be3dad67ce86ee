// The "Knowledge base" tab: searches know.dat in the program folder, lists the
// matching articles and shows the one picked, its heading in green and the
// search text in red.
#pragma once

#include <QWidget>
#include <string>

class Messages;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTextEdit;
struct KbArticleView;

class KnowledgeTab : public QWidget {
    Q_OBJECT
public:
    // programdir: the folder that holds know.dat.
    KnowledgeTab(std::string programdir, Messages& messages, QWidget* parent = nullptr);

    // The main window calls this when the user switches to the tab.
    void enterTab();
    bool searching() const { return searching_; }

    QLabel* kblabel = nullptr;
    QLineEdit* kbsearchedit = nullptr;
    QPushButton* kbsearchbutton = nullptr;
    QLabel* matcheslabel = nullptr;
    QListWidget* kblb = nullptr;
    QProgressBar* pb = nullptr;
    QTextEdit* kbedit = nullptr;

    void kbsearchbuttonClick();
    void kblbClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class SearchRun;

    void createControls();
    void layoutControls();
    void runsearch(const std::string& text);
    void showfirst();
    bool kbsearcheditKeyPress(int key);
    void kblbCurrentRowChanged();
    void showarticle(const KbArticleView& view);
    void notfound();
    std::string knowfile() const;

    std::string programdir_;
    Messages& messages_;
    bool searching_ = false;
    bool stoprequest_ = false;
};
