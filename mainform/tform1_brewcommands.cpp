// The brew commands: add, edit and delete a brew.
#include "mainform/tform1.h"

void TForm1::Addaccount1Click() {}

void TForm1::Editaccount1Click() {}

void TForm1::Deleteaccount1Click() {}

// gridclickrow is the row that was double-clicked, 0 below the last row.
void TForm1::gridDblClick() {}
