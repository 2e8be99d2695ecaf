// The shell's opening of web pages and mail messages, behind an interface tests replace.
#pragma once
#include <string>

namespace ui {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens an address ("http://...", "mailto:...") with the verb "open", shown normally. The
    // shell's answer is not examined: with no program to take the address nothing happens.
    virtual void Open(const std::wstring& address) = 0;
};

class Win32Shell final : public Shell {
public:
    void Open(const std::wstring& address) override;
};

// The program's real shell.
Shell& SystemShell();

}
