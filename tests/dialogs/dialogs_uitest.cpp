#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "platform/linklabel.h"
#include "dialogs/taboutform.h"
#include "dialogs/toptionsform.h"
#include "dialogs/tpropertiesform.h"
#include "platform/fakemessages.h"
#include "platform/formatsettings.h"
#include "platform/qtext.h"
#include "records/datafile.h"
#include "records/recordlist.h"

namespace {

// --- Options -----------------------------------------------------------------


class OptionsOpening : public ::testing::TestWithParam<OptionsValues> {};

TEST_P(OptionsOpening, ShowsTheSettingsAndOkWithoutChangesKeepsThem)
{
    const OptionsValues& settings = GetParam();
    Toptionsform form(settings);
    EXPECT_EQ(form.smallradiobutton->isChecked(), settings.FontSize == smallfontsize);
    EXPECT_EQ(form.largeradiobutton->isChecked(), settings.FontSize != smallfontsize);
    EXPECT_EQ(form.metricrb->isChecked(), settings.MetricUnits);
    EXPECT_EQ(form.nonmetricrb->isChecked(), !settings.MetricUnits);
    EXPECT_EQ(form.hintscheckbox->isChecked(), settings.tips);
    EXPECT_EQ(form.hintscheckbox->toolTip().isEmpty(), !settings.tips);
    form.Button2->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosen().FontSize, settings.FontSize);
    EXPECT_EQ(form.chosen().MetricUnits, settings.MetricUnits);
    EXPECT_EQ(form.chosen().tips, settings.tips);
}

INSTANTIATE_TEST_SUITE_P(Settings, OptionsOpening, ::testing::Values(
    OptionsValues{smallfontsize, true, true},
    OptionsValues{largefontsize, false, false},
    OptionsValues{largefontsize, true, false},
    OptionsValues{smallfontsize, false, true}));

TEST(Options, ChoicesBecomeTheNewSettings)
{
    Toptionsform form(OptionsValues{smallfontsize, true, true});
    EXPECT_EQ(form.windowTitle(), "Options");
    EXPECT_TRUE(form.Button2->isDefault());
    form.largeradiobutton->click();
    form.nonmetricrb->click();
    form.hintscheckbox->click();
    // The dialog's own tips follow the box at once.
    EXPECT_TRUE(form.hintscheckbox->toolTip().isEmpty());
    form.Button2->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const OptionsValues chosen = form.chosen();
    EXPECT_EQ(chosen.FontSize, "\"2\"");
    EXPECT_FALSE(chosen.MetricUnits);
    EXPECT_FALSE(chosen.tips);
}

// --- File properties -----------------------------------------------------------

class FileProperties : public ::testing::Test {
protected:
    QTemporaryDir folder;
    FormatSettings fs;
    FakeMessages messages;

    std::string savethreebrews()
    {
        const std::string path = fromqs(folder.filePath("malvora.dat"));
        RecordList records;
        for (int n = 1; n <= 3; ++n) {
            BrewFields brew = examplerecord(45000.5);
            brew.num = n;
            createnewrec(records, brew);
        }
        DataFile file(path);
        EXPECT_TRUE(file.save(records, "Malt", false, messages));
        return path;
    }
};

TEST_F(FileProperties, ShowsASavedFileOfThreeBrews)
{
    const std::string path = savethreebrews();
    Tpropertiesform form(path, 3, fs);
    EXPECT_EQ(form.windowTitle(), "File properties");
    EXPECT_EQ(form.namelabel->text(), "malvora.dat");
    EXPECT_EQ(form.pathlabel->text(), QDir(folder.path()).absolutePath() + "/");
    EXPECT_EQ(form.sizelabel->text(), "28,819 bytes");
    EXPECT_EQ(form.contentslabel->text(), "3 brew records");
    EXPECT_FALSE(form.modlabel->text().isEmpty());
}

TEST_F(FileProperties, HalfPastNoonIsPM)
{
    const std::string path = savethreebrews();
    const QDateTime halfpastnoon(QDate(2024, 3, 7), QTime(12, 30));
    QFile file(toqs(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(halfpastnoon, QFileDevice::FileModificationTime));
    file.close();
    Tpropertiesform form(path, 3, fs);
    EXPECT_EQ(form.modlabel->text(), "7/3/2024  12:30PM");
}

TEST_F(FileProperties, AFileGoneFromDiskShowsOnlyItsNameAndFolder)
{
    const std::string path = fromqs(folder.filePath("gone.dat"));
    Tpropertiesform form(path, 3, fs);
    EXPECT_EQ(form.namelabel->text(), "gone.dat");
    EXPECT_FALSE(form.pathlabel->text().isEmpty());
    EXPECT_EQ(form.sizelabel->text(), "");
    EXPECT_EQ(form.modlabel->text(), "");
    EXPECT_EQ(form.contentslabel->text(), "");
}

TEST_F(FileProperties, NoFileLoadedOpensNoDialog)
{
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    Tpropertiesform::run({}, 3, fs, messages, nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"No file loaded"});
}

TEST_F(FileProperties, RunShowsTheFile)
{
    const std::string path = savethreebrews();
    QString size;
    QTimer::singleShot(0, [&size] {
        if (auto* form = qobject_cast<Tpropertiesform*>(QApplication::activeModalWidget())) {
            size = form->sizelabel->text();
            form->okbutton->click();
        }
    });
    Tpropertiesform::run(path, 3, fs, messages, nullptr);
    EXPECT_EQ(size, "28,819 bytes");
    EXPECT_TRUE(messages.shown.empty());
}

// --- About ---------------------------------------------------------------------

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

void click(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

TEST(About, ShowsNameVersionAndDataFile)
{
    const std::string datafile = "/home/ann/.local/share/Orvanti/Malvora/malvora.dat";
    TAboutForm form(datafile);
    EXPECT_EQ(form.windowTitle(), "About this program");
    EXPECT_EQ(form.bannerlabel->text(), "- MALVORA -");
    EXPECT_EQ(form.versionlabel->text(), "1.92");
    EXPECT_EQ(form.pathedit->text(), toqs(datafile));
    EXPECT_TRUE(form.pathedit->isReadOnly());
    EXPECT_TRUE(form.OKButton->isDefault());

    form.UpDown1next->click();
    EXPECT_EQ(form.pathedit->cursorPosition(), form.pathedit->text().size());
    form.UpDown1prev->click();
    EXPECT_EQ(form.pathedit->cursorPosition(), 0);
}

TEST(About, LinksOpenTheMakersPagesAndAMailWithTheSubject)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    TAboutForm form("malvora.dat");
    form.show();
    click(form.softwarelink);
    click(form.philosophylink);
    click(form.emaillink);
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    ASSERT_EQ(catcher.opened.size(), 3);
    for (const QUrl& url : catcher.opened)
        EXPECT_TRUE(url.host().endsWith("orvanti.example") || url.path().endsWith("@orvanti.example"))
            << fromqs(url.toString());
    EXPECT_EQ(catcher.opened[2].scheme(), "mailto");
    EXPECT_TRUE(catcher.opened[2].query().contains("subject=Malvora"));
}

}  // namespace

#include "dialogs_uitest.moc"
