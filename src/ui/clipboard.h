// The system clipboard, behind an interface tests replace.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Puts `text` on the clipboard as Unicode text in place of what was there; throws base::Error
    // when the clipboard stays taken by another program.
    virtual void SetText(HWND owner, const std::wstring& text) = 0;
};

class Win32Clipboard final : public Clipboard {
public:
    void SetText(HWND owner, const std::wstring& text) override;
};

// The program's real clipboard.
Clipboard& SystemClipboard();

}
