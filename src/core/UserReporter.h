#pragma once

#include <string>

// How the core tells the user of failures and asks yes/no questions. The desktop program shows
// message boxes, the command-line tool prints to stderr, tests record the calls.
class CUserReporter {
public:
    virtual ~CUserReporter() = default;
    // A message box; caption "Error" with the exclamation icon for model and file errors.
    virtual void Message(const std::string& text, const std::string& caption = "Error") = 0;
    // A yes/no question; true for yes.
    virtual bool Question(const std::string& text, const std::string& caption = "Tavrona") = 0;
};

// Reporter that prints messages to stderr and answers every question with a fixed answer. It
// counts the messages, so that a command can fail after any of them.
class CStderrReporter : public CUserReporter {
public:
    explicit CStderrReporter(bool answer = true) : answer(answer) {}
    void Message(const std::string& text, const std::string& caption = "Error") override;
    bool Question(const std::string& text, const std::string& caption = "Tavrona") override;
    int MessageCount() const { return messages; }

private:
    bool answer;
    int messages = 0;
};
