// The reports and the CSV export.
#include "mainform/tform1.h"

// The "Reports" menu is opening.
void TForm1::Reports1Click() {}

void TForm1::Brandlist1Click() {}

void TForm1::Brewlist1Click() {}

void TForm1::PrintdetailsforBrewNo1Click() {}

void TForm1::TastingSheetforPrinting1Click() {}

void TForm1::LabelsforBrewNo1Click() {}

void TForm1::brewlistcsvitemClick() {}
