// The options, file properties and about dialogs.
#include "mainform/tform1.h"

#include "dialogs/taboutform.h"
#include "dialogs/toptionsform.h"
#include "dialogs/tpropertiesform.h"

void TForm1::Properties1Click()
{
    Tpropertiesform::run(currentfile, recordlist.size(), formatsettings, messages, this);
}

// The settings change only on "&Ok"; they reach the store at exit.
void TForm1::Options1Click()
{
    Toptionsform form(OptionsValues{settings.FontSize, settings.MetricUnits, settings.Tips}, this);
    if (form.exec() != QDialog::Accepted)
        return;
    const OptionsValues chosen = form.chosen();
    settings.Tips = chosen.tips;
    fillgrid();
    settings.FontSize = chosen.FontSize;
    settings.MetricUnits = chosen.MetricUnits;
}

void TForm1::AboutKeystaveClick()
{
    TAboutForm form(datafilename, this);
    form.exec();
}
