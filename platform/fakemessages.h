// Messages for tests: records every text and answers from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/messages.h"

class FakeMessages : public Messages {
public:
    std::vector<std::string> shown;      // showmsg and plainmsg texts, in order
    std::vector<std::string> asked;      // questions, in order
    std::deque<Answer> answers;          // next answers; Cancel (or No) when empty

    void showmsg(const std::string& message, const std::string& detail = {},
                 const std::string& = {}) override
    {
        shown.push_back(detail.empty() ? message : message + "\r\n\r\n" + detail);
    }
    bool askyesno(const std::string& question, const std::string& = {}) override
    {
        return next(question) == Answer::yes;
    }
    Answer askyesnocancel(const std::string& question, const std::string& = {}) override
    {
        return next(question);
    }
    void plainmsg(const std::string& text) override { shown.push_back(text); }

private:
    Answer next(const std::string& question)
    {
        asked.push_back(question);
        if (answers.empty())
            return Answer::cancel;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};
