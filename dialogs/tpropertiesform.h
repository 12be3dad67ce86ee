// The File properties dialog: name, folder, size, date and number of brews of
// the data file last loaded or saved.
#pragma once

#include <QDialog>
#include <cstddef>
#include <string>

class Messages;
class QLabel;
class QPushButton;
struct FormatSettings;

class Tpropertiesform : public QDialog {
    Q_OBJECT
public:
    // Fills the lines for `currentfile`; size, date and contents stay empty
    // when the file is no longer on disk.
    Tpropertiesform(const std::string& currentfile, std::size_t records, const FormatSettings& fs,
                    QWidget* parent = nullptr);

    // Shows the dialog for `currentfile`, or says "No file loaded" when no
    // file has been loaded or saved yet.
    static void run(const std::string& currentfile, std::size_t records, const FormatSettings& fs,
                    Messages& messages, QWidget* owner);

    QLabel* namelabel = nullptr;
    QLabel* pathlabel = nullptr;
    QLabel* sizelabel = nullptr;
    QLabel* modlabel = nullptr;
    QLabel* contentslabel = nullptr;
    QPushButton* okbutton = nullptr;
};
