// The four message routines through which the program talks to the user. The
// window implementation shows message boxes; tests use FakeMessages.
#pragma once

#include <string>

enum class Answer { yes, no, cancel };

class Messages {
public:
    virtual ~Messages() = default;
    // Every information and error message. The caption defaults to "Malvora".
    virtual void showmsg(const std::string& message, const std::string& detail = {},
                         const std::string& caption = {}) = 0;
    // A question with the caption "Verify"; true for Yes.
    virtual bool askyesno(const std::string& question, const std::string& detail = {}) = 0;
    // Yes, No or Cancel; closing the box counts as Cancel.
    virtual Answer askyesnocancel(const std::string& question, const std::string& detail = {}) = 0;
    // A plain message box.
    virtual void plainmsg(const std::string& text) = 0;
};
