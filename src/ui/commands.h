// The command set: named commands with caption, hint, category, picture and handler. A command may
// be shown in several menus; each shows its caption and picture and runs its handler.
#pragma once
#include "ui/shortcut.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

struct Command {
    std::wstring name;
    std::wstring caption;
    std::wstring hint;
    std::wstring category;
    int imageIndex = -1;
    std::function<void()> onExecute;
    UINT id = 0;  // the menu item ID, given by the set
    // The keys that run the command, and how its menu items name them ("Ctrl+F"); empty: none.
    std::vector<Shortcut> keys;
    std::wstring keyText;
};

class CommandSet {
public:
    CommandSet() = default;
    CommandSet(const CommandSet&) = delete;
    CommandSet& operator=(const CommandSet&) = delete;

    // The command's handler runs only while the application is not starting (Application::Starting),
    // by whatever way the command is reached: a menu, a popup menu or a posted WM_COMMAND.
    Command& Add(Command command);
    Command* Find(UINT id) const;
    Command& Get(std::wstring_view name) const;
    const std::vector<std::unique_ptr<Command>>& All() const { return commands_; }
    // Runs the command with this ID; false when the ID is not a command's.
    bool Execute(UINT id) const;
    // Runs the command whose shortcut `message` presses; false when it presses none.
    bool HandleKey(const MSG& message) const;

private:
    static constexpr UINT kFirstId = 1000;
    std::vector<std::unique_ptr<Command>> commands_;
};

}
