// The operating system's message boxes and common dialogs, behind an interface tests replace.
#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ui {

using CustomColors = std::array<COLORREF, 16>;

// A button of a message box with the caption the program gives it, such as { IDYES, L"&Yes" }.
struct ButtonCaption {
    int id = 0;
    std::wstring text;
};

// A line of a file dialog's type list: what the user reads and the patterns, such as "*.txt".
struct FileFilter {
    std::wstring description;
    std::wstring patterns;
};

struct FileRequest {
    std::wstring title;
    std::wstring fileName;  // offered in the name field; may be empty
    std::vector<FileFilter> filters;
    std::wstring defaultExtension;  // added when the user types a name without one
};

// The file the user chose and the type line (from 0) that was selected.
struct FileChoice {
    std::wstring path;
    int filter = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // MessageBoxW's contract: style flags in, the pressed button's ID out.
    virtual int Message(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) = 0;
    // The same box with the buttons of `style` captioned as the program names them, not in the system's
    // language; a button missing from `buttons` keeps the system's caption.
    virtual int MessageWithButtons(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style,
                                   const std::vector<ButtonCaption>& buttons) = 0;
    // The standard colour dialog, fully open; nullopt when cancelled. The custom colours are kept in place.
    virtual std::optional<COLORREF> PickColor(HWND owner, COLORREF initial, CustomColors& custom) = 0;
    // The standard save dialog, asking before an existing file is replaced; nullopt when cancelled.
    virtual std::optional<FileChoice> SaveFile(HWND owner, const FileRequest& request) = 0;
    // The standard open dialog for one existing file; nullopt when cancelled.
    virtual std::optional<FileChoice> OpenFile(HWND owner, const FileRequest& request) = 0;
};

class Win32Dialogs final : public Dialogs {
public:
    int Message(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) override;
    int MessageWithButtons(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style,
                           const std::vector<ButtonCaption>& buttons) override;
    std::optional<COLORREF> PickColor(HWND owner, COLORREF initial, CustomColors& custom) override;
    std::optional<FileChoice> SaveFile(HWND owner, const FileRequest& request) override;
    std::optional<FileChoice> OpenFile(HWND owner, const FileRequest& request) override;
};

}
