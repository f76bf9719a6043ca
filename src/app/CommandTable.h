#pragma once

#include <vector>

// One command of the menus and toolbars: its text, its status-bar prompt and tooltip (separated
// by '\n'), its accelerator and its icon. Qt-free so that tests can check the table directly.
struct CommandInfo {
    int id;
    const char* menuText; // with '&' before the mnemonic
    const char* prompt;   // "status bar prompt\ntooltip"
    const char* shortcut; // portable QKeySequence text; "" for none
    const char* icon;     // file name in the icon resources, without ".svg"; "" for none
};

const std::vector<CommandInfo>& CommandTable();
// The command with this id, or null.
const CommandInfo* FindCommand(int id);

// A toolbar: its window-menu toggle command, its title and its buttons (0 is a separator).
struct ToolbarInfo {
    int toggleId;
    const char* title;
    const char* objectName;
    std::vector<int> buttons;
    int row; // dock row at the top of the main window, 0 first
};

// The eight toolbars in creation order.
const std::vector<ToolbarInfo>& ToolbarTable();
// The order in which the toolbars are docked from left to right, row by row.
const std::vector<int>& ToolbarDockOrder();
