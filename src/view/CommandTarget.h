#pragma once

// Enabled and checked state of one command, filled by the command's update rule.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// Something that handles commands: the active view, its document, the main frame and the
// application, asked in that order. Each returns false for commands it does not know.
class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;
    virtual bool OnCommand(int id) = 0;
    virtual bool OnUpdateCommand(int id, CommandState& state) = 0;
};
