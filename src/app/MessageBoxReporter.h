#pragma once

#include "core/UserReporter.h"

class QWidget;

// Tells the user of model and file errors in message boxes over the main window.
class CMessageBoxReporter : public CUserReporter {
public:
    explicit CMessageBoxReporter(QWidget* owner) : owner(owner) {}
    void Message(const std::string& text, const std::string& caption = "Error") override;
    bool Question(const std::string& text, const std::string& caption = "Tavrona") override;

private:
    QWidget* owner;
};
