// Places a dialog in the middle of the screen it will appear on.
#pragma once

class QWidget;

void centreonscreen(QWidget* dialog);
