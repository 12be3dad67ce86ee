// A settings store in memory, for tests: values keep their kind, and writing
// can be made to fail.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/settingsstore.h"

class MemoryStore : public SettingsStore {
public:
    std::map<std::string, std::string> strings;
    std::map<std::string, std::string> binaries;
    std::vector<std::string> written;  // names, in the order written
    bool canwrite = true;

    bool exists() override { return !strings.empty() || !binaries.empty(); }
    std::optional<std::string> readstring(const std::string& name) override
    {
        const auto it = strings.find(name);
        return it == strings.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<std::string> readbinary(const std::string& name) override
    {
        const auto it = binaries.find(name);
        return it == binaries.end() ? std::nullopt : std::optional(it->second);
    }
    bool writable() override { return canwrite; }
    void writestring(const std::string& name, const std::string& value) override
    {
        written.push_back(name);
        strings[name] = value;
    }
    void writebinary(const std::string& name, const std::string& bytes) override
    {
        written.push_back(name);
        binaries[name] = bytes;
    }
    bool sync() override { return canwrite; }
};
