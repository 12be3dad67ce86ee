// The settings store over QSettings: the "Orvanti"/"Malvora" settings of the
// current user in the platform's native place, or a file of a test's own.
#pragma once

#include <QSettings>
#include <QString>

#include "platform/settingsstore.h"

class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    // Keeps the settings in `file` (INI form).
    explicit QtSettingsStore(const QString& file);

    bool exists() override;
    std::optional<std::string> readstring(const std::string& name) override;
    std::optional<std::string> readbinary(const std::string& name) override;
    bool writable() override;
    void writestring(const std::string& name, const std::string& value) override;
    void writebinary(const std::string& name, const std::string& bytes) override;
    bool sync() override;

private:
    QSettings settings_;
};
