// The real clipboard.
#include "ui/clipboard.h"

#include "base/error.h"
#include "ui/texts.h"

#include <cstring>
#include <memory>

namespace ui {
namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPause = 20;  // milliseconds between attempts while another program holds it

struct GlobalFreer {
    void operator()(void* memory) const noexcept { GlobalFree(memory); }
};

class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner)
    {
        for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_)
                Sleep(kOpenPause);
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope()
    {
        if (open_)
            CloseClipboard();
    }
    bool Open() const { return open_; }

private:
    bool open_ = false;
};

}

void Win32Clipboard::SetText(HWND owner, const std::wstring& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    std::unique_ptr<void, GlobalFreer> memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        throw base::Error(kClipboardNoMemory);
    std::memcpy(GlobalLock(memory.get()), text.c_str(), bytes);
    GlobalUnlock(memory.get());
    const OpenClipboardScope clipboard(owner);
    if (!clipboard.Open() || !EmptyClipboard())
        throw base::Error(kClipboardBusy);
    if (!SetClipboardData(CF_UNICODETEXT, memory.get()))
        throw base::Error(kClipboardRefused);
    // The clipboard owns the memory now.
    memory.release();
}

Clipboard& SystemClipboard()
{
    static Win32Clipboard clipboard;
    return clipboard;
}

}
