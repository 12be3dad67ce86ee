// The dialogs and the conversions tab as the main window uses them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "conversions/conversionstab.h"
#include "dialogs/taboutform.h"
#include "dialogs/toptionsform.h"
#include "dialogs/tpropertiesform.h"
#include "mainform/memorystore.h"
#include "mainform/tform1.h"
#include "platform/clock.h"
#include "platform/fakemessages.h"
#include "platform/qtext.h"

namespace {

// Runs `step` on the modal dialog of type T as soon as it is shown.
template <class T>
void whenshown(std::function<void(T&)> step)
{
    QTimer::singleShot(0, [step] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            step(*dialog);
        else if (QWidget* other = QApplication::activeModalWidget())
            other->close();
    });
}

class MainWindowDialogs : public ::testing::Test {
protected:
    QTemporaryDir folder;
    FakeMessages messages;
    FixedClock clock{45000.5};
    MemoryStore store;
    std::unique_ptr<TForm1> form;

    void SetUp() override { open(); }

    void open()
    {
        StartPaths paths;
        paths.programfile = fromqs(folder.filePath("malvora"));
        paths.programdir = fromqs(folder.path()) + "/";
        paths.appdatafolder = fromqs(folder.filePath("appdata"));
        form = std::make_unique<TForm1>(MainServices{messages, clock, store, FormatSettings{}, paths});
    }
};

TEST_F(MainWindowDialogs, OptionsOkWithoutChangesChangesNoSetting)
{
    const Settings before = form->settings;
    bool shown = false;
    whenshown<Toptionsform>([&shown](Toptionsform& options) {
        shown = true;
        options.Button2->click();
    });
    form->Options1Click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(form->settings.FontSize, before.FontSize);
    EXPECT_EQ(form->settings.MetricUnits, before.MetricUnits);
    EXPECT_EQ(form->settings.Tips, before.Tips);
}

TEST_F(MainWindowDialogs, OptionsCancelChangesNothing)
{
    bool shown = false;
    whenshown<Toptionsform>([&shown](Toptionsform& options) {
        shown = true;
        options.largeradiobutton->click();
        options.nonmetricrb->click();
        options.hintscheckbox->click();
        options.cancelbutton->click();
    });
    form->Options1Click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(form->settings.FontSize, "\"1\"");
    EXPECT_TRUE(form->settings.MetricUnits);
    EXPECT_TRUE(form->settings.Tips);
}

TEST_F(MainWindowDialogs, OptionsChoicesReachTheSettingsAndTheStoreAtExit)
{
    whenshown<Toptionsform>([](Toptionsform& options) {
        options.largeradiobutton->click();
        options.nonmetricrb->click();
        options.hintscheckbox->click();
        options.Button2->click();
    });
    form->Options1Click();
    EXPECT_EQ(form->settings.FontSize, "\"2\"");
    EXPECT_FALSE(form->settings.MetricUnits);
    EXPECT_FALSE(form->settings.Tips);
    form.reset();
    EXPECT_EQ(store.strings["FontSize"], "1");
    EXPECT_EQ(store.strings["MetricUnits"], "0");
    EXPECT_EQ(store.strings["Tips"], "0");
}

TEST_F(MainWindowDialogs, FilePropertiesBeforeAnyFileSaysNoFileLoaded)
{
    bool opened = false;
    whenshown<QDialog>([&opened](QDialog& dialog) {
        opened = true;
        dialog.close();
    });
    form->Properties1Click();
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"No file loaded"});
}

TEST_F(MainWindowDialogs, FilePropertiesOfASavedFileOfThreeBrews)
{
    for (int n = 2; n <= 3; ++n) {
        BrewFields brew = examplerecord(clock.now());
        brew.num = n;
        createnewrec(form->recordlist, brew);
    }
    form->dosave(form->datafilename);
    ASSERT_FALSE(form->currentfile.empty());
    QString size, contents, name;
    whenshown<Tpropertiesform>([&](Tpropertiesform& properties) {
        size = properties.sizelabel->text();
        contents = properties.contentslabel->text();
        name = properties.namelabel->text();
        properties.okbutton->click();
    });
    form->Properties1Click();
    EXPECT_EQ(size, "28,819 bytes");
    EXPECT_EQ(contents, "3 brew records");
    EXPECT_EQ(name, "malvora.dat");
}

TEST_F(MainWindowDialogs, AboutShowsTheDataFile)
{
    QString path;
    whenshown<TAboutForm>([&path](TAboutForm& about) {
        path = about.pathedit->text();
        about.OKButton->click();
    });
    form->AboutKeystaveClick();
    EXPECT_EQ(path, toqs(form->datafilename));
    EXPECT_TRUE(path.endsWith("Orvanti/Malvora/malvora.dat"));
}

TEST_F(MainWindowDialogs, SwitchingToConversionsFillsTheEmptyBoxesAndConvertsAtOnce)
{
    form->show();
    ConversionsTab* tab = form->findChild<ConversionsTab*>();
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->parentWidget(), form->conversionsheet);
    form->pc->setCurrentWidget(form->conversionsheet);
    EXPECT_EQ(tab->tempconedit->text(), "0");
    EXPECT_EQ(tab->Fahrlabel->text(), "32.0 °F");
    EXPECT_EQ(tab->millslabel->text(), "568.20 ml");
    EXPECT_EQ(form->focusWidget(), tab->tempconedit);

    for (QLineEdit* box : {tab->tempconedit, tab->Edit2, tab->Edit3, tab->Edit4, tab->Edit5})
        box->clear();
    form->pc->setCurrentWidget(form->brewssheet);
    form->pc->setCurrentWidget(form->conversionsheet);
    for (QLineEdit* box : {tab->Edit2, tab->Edit3, tab->Edit4, tab->Edit5})
        EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(tab->celsiuslabel->text(), "-17.8 °C");
    EXPECT_EQ(tab->litreslabel->text(), "4.546 lit");
}

}  // namespace
