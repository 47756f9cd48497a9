#pragma once

#include <cstdint>
#include <span>

class CDialog;

// The messages a dialog's message map can take.
enum class Message
{
    Command,    // a button was clicked, or Enter (command 1) or Escape and the close box (command 2)
    SysCommand, // an item of the window menu was chosen
};

using CommandHandler = void (CDialog::*)();
using SysCommandHandler = void (CDialog::*)(unsigned id, std::intptr_t parameter);

// One row of a message map: a command entry names its control id, a system-command entry takes
// every window-menu id.
struct MessageMapEntry
{
    Message message;
    int id;
    CommandHandler command;
    SysCommandHandler sysCommand;
};

using MessageMap = std::span<const MessageMapEntry>;

// The handlers belong to the derived dialog; they are stored as members of CDialog and only ever
// called on an object of the dialog whose map names them.
template <class Dialog>
MessageMapEntry CommandEntry(int id, void (Dialog::*handler)())
{
    return {Message::Command, id, static_cast<CommandHandler>(handler), nullptr};
}

template <class Dialog>
MessageMapEntry SysCommandEntry(void (Dialog::*handler)(unsigned, std::intptr_t))
{
    return {Message::SysCommand, 0, nullptr, static_cast<SysCommandHandler>(handler)};
}
