// Where the settings live between runs: named string values and binary
// values. QtSettingsStore keeps them with QSettings; tests point it at a file
// of their own.
#pragma once

#include <optional>
#include <string>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // True when anything at all is stored.
    virtual bool exists() = 0;
    // A string value, or nothing when it is absent or stored as another type.
    virtual std::optional<std::string> readstring(const std::string& name) = 0;
    // A binary value, or nothing when it is absent or stored as another type.
    virtual std::optional<std::string> readbinary(const std::string& name) = 0;

    // False when the values cannot be written at all; then nothing is written.
    virtual bool writable() = 0;
    virtual void writestring(const std::string& name, const std::string& value) = 0;
    virtual void writebinary(const std::string& name, const std::string& bytes) = 0;
    // Puts every written value into lasting storage; false when that failed.
    virtual bool sync() = 0;
};
