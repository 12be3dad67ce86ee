// The brew commands: add, edit and delete a brew.
#include <QCoreApplication>

#include <exception>

#include "addacc/taddform.h"
#include "mainform/tform1.h"
#include "mainform/tsortgrid.h"
#include "platform/messages.h"
#include "platform/qtext.h"

namespace {

// Runs a command; an error it raises is shown, and the command stops there.
template <typename Command> void guarded(Messages& messages, Command command)
{
    try {
        command();
    } catch (const std::exception& e) {
        messages.showmsg(e.what());
    }
}

// What the editor needs from this window; `editing` asks it to edit the
// brew of the selected row rather than add one.
EditorContext editorcontext(TForm1& w, bool editing)
{
    return EditorContext { w.recordlist, w.selectedrow() - 1, editing, w.getbrandinfo(),
        w.settings.MetricUnits, w.settings.Tips, w.formatsettings, w.messages, w.clock };
}

} // namespace

void TForm1::Addaccount1Click()
{
    guarded(messages, [this] {
        Taddform editor(editorcontext(*this, false), this);
        if (editor.exec() != QDialog::Accepted)
            return;
        createnewrec(recordlist, editor.accepted());
        acceptedbatchnum = editor.acceptedbatchno;
        fillgrid();
        const QString number = toqs(acceptedbatchnum);
        for (int row = 1; row < grid->RowCount(); ++row) {
            if (grid->Cells(0, row) == number) {
                grid->setRow(row);
                break;
            }
        }
        dosave(datafilename);
        acceptedbatchnum.clear();
    });
}

void TForm1::Editaccount1Click()
{
    const int position = selectedrow() - 1;
    if (recordlist.empty() || position < 0 || position >= int(recordlist.size())) {
        messages.showmsg("No brew records to edit.");
        return;
    }
    guarded(messages, [this, position] {
        Taddform editor(editorcontext(*this, true), this);
        if (editor.exec() != QDialog::Accepted)
            return;
        // The whole record is replaced: fields the editor does not show become zero.
        *recordlist[std::size_t(position)] = *makerecord(editor.accepted());
        dosave(datafilename);
        fillgrid();
        QCoreApplication::processEvents();
    });
}

// gridclickrow is the row that was double-clicked, 0 below the last row.
void TForm1::gridDblClick()
{
    if (recordlist.empty()) {
        messages.showmsg("No records to edit/view");
        return;
    }
    if (gridclickrow > 0)
        Editaccount1Click();
}

void TForm1::Deleteaccount1Click()
{
    const int row = selectedrow();
    if (recordlist.empty() || row < 1 || row > int(recordlist.size())) {
        messages.showmsg("No brew records to delete.");
        return;
    }
    const std::string question = "Delete the account information for\rBatch No. "
        + fromqs(grid->Cells(0, row)) + "  (" + fromqs(grid->Cells(1, row))
        + ")\r\rAre you sure you want to delete this entry?";
    if (!messages.askyesno(question))
        return;
    recordlist.erase(recordlist.begin() + (row - 1));
    listmodified = true;
    mygridclear();
    fillgrid();
    grid->setRow(grid->RowCount() < row + 1 ? row - 1 : row);
}
