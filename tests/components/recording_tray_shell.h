// A stand-in for the shell's notification area: records every call and answers the version probe.
#pragma once
#include "components/sx_tray_icon_shell.h"

#include <algorithm>
#include <cstddef>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace test_support {

struct NotifyCall {
    DWORD request = 0;
    DWORD size = 0;
    HWND window = nullptr;
    UINT id = 0;
    UINT flags = 0;
    UINT callbackMessage = 0;
    HICON icon = nullptr;
    std::wstring tip;
};

class RecordingTrayShell final : public components::TrayShell {
public:
    bool NotifyIcon(DWORD request, const NOTIFYICONDATAW& record) override
    {
        const size_t room = (record.cbSize - offsetof(NOTIFYICONDATAW, szTip)) / sizeof(wchar_t);
        const wchar_t* tip = record.szTip;
        calls.push_back({request, record.cbSize, record.hWnd, record.uID, record.uFlags, record.uCallbackMessage,
                         record.hIcon, std::wstring(tip, std::find(tip, tip + std::min<size_t>(room, 128), L'\0'))});
        return accept;
    }
    bool ProbeDllVersion(const wchar_t* library, DLLVERSIONINFO& version) override
    {
        probed.push_back(library);
        if (!majorVersion)
            return false;
        version.dwMajorVersion = *majorVersion;
        return true;
    }
    void SetForegroundWindow(HWND window) override
    {
        foreground.push_back(window);
        if (onForeground)
            onForeground();
    }

    // The requests of the calls, in order (NIM_ADD, NIM_MODIFY, ...).
    std::vector<DWORD> Requests() const
    {
        std::vector<DWORD> requests;
        for (const auto& call : calls)
            requests.push_back(call.request);
        return requests;
    }

    std::vector<NotifyCall> calls;
    std::vector<std::wstring> probed;
    std::vector<HWND> foreground;
    std::function<void()> onForeground;
    std::optional<DWORD> majorVersion = 6;  // nullopt: the shell library has no version to give
    bool accept = true;
};

}
