// The options, file properties and about dialogs.
#include "mainform/tform1.h"

void TForm1::Properties1Click() {}

void TForm1::Options1Click() {}

void TForm1::AboutKeystaveClick() {}
