// The command set.
#include "ui/commands.h"

#include "ui/application.h"
#include "base/error.h"
#include "ui/texts.h"

namespace ui {

Command& CommandSet::Add(Command command)
{
    command.id = kFirstId + static_cast<UINT>(commands_.size());
    if (command.onExecute) {
        command.onExecute = [handler = std::move(command.onExecute)] {
            if (!Application::Current().Starting())
                handler();
        };
    }
    commands_.push_back(std::make_unique<Command>(std::move(command)));
    return *commands_.back();
}

Command* CommandSet::Find(UINT id) const
{
    if (id < kFirstId || id >= kFirstId + commands_.size())
        return nullptr;
    return commands_[id - kFirstId].get();
}

Command& CommandSet::Get(std::wstring_view name) const
{
    for (const auto& command : commands_) {
        if (command->name == name)
            return *command;
    }
    throw base::Error(NoSuchCommand(name));
}

bool CommandSet::Execute(UINT id) const
{
    const Command* command = Find(id);
    if (!command)
        return false;
    if (command->onExecute)
        command->onExecute();
    return true;
}

bool CommandSet::HandleKey(const MSG& message) const
{
    for (const auto& command : commands_) {
        for (const Shortcut& key : command->keys) {
            if (Matches(key, message))
                return Execute(command->id);
        }
    }
    return false;
}

}
