// The message routines as message boxes.
#pragma once

#include "platform/messages.h"

class QtMessages : public Messages {
public:
    void showmsg(const std::string& message, const std::string& detail = {},
                 const std::string& caption = {}) override;
    bool askyesno(const std::string& question, const std::string& detail = {}) override;
    Answer askyesnocancel(const std::string& question, const std::string& detail = {}) override;
    void plainmsg(const std::string& text) override;
};
