// The tray icon component.
#include "components/sx_tray_icon.h"

#include "ui/application.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace components {
namespace {

constexpr wchar_t kShellLibrary[] = L"Shell32.dll";

TShiftState CurrentShiftState()
{
    const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return {.shift = down(VK_SHIFT), .alt = down(VK_MENU), .ctrl = down(VK_CONTROL)};
}

}

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

TSxTrayIcon::TSxTrayIcon(TrayShell& shell)
    : shell_(shell), window_([this](UINT message, WPARAM wParam, LPARAM lParam) { return WndProc(message, wParam, lParam); })
{
    // The notification area shows small icons: the picture of that size stays sharp on a scaled screen.
    icon_.SetSize(GetSystemMetrics(SM_CXSMICON));
    icon_.onChange = [this] { IconChanged(); };
}

TSxTrayIcon::~TSxTrayIcon()
{
    if (active_)
        RemoveIcon();
}

void TSxTrayIcon::FillNotifyData()
{
    DLLVERSIONINFO version{};
    // Shells before version 5 know only the first layout, whose tip holds 64 characters.
    const bool extended = shell_.ProbeDllVersion(kShellLibrary, version) && version.dwMajorVersion >= 5;
    notifyData_.cbSize = extended ? NOTIFYICONDATAW_V2_SIZE : NOTIFYICONDATAW_V1_SIZE;
    notifyData_.hWnd = window_.Handle();
    notifyData_.uID = kIconId;
    notifyData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    notifyData_.uCallbackMessage = kCallbackMessage;
    notifyData_.hIcon = icon_.Handle();
    const size_t room = extended ? std::size(notifyData_.szTip) - 1 : 63;
    const size_t length = std::min(tip_.size(), room);
    std::copy_n(tip_.begin(), length, notifyData_.szTip);
    notifyData_.szTip[length] = L'\0';
}

void TSxTrayIcon::AddIcon()
{
    FillNotifyData();
    SendNotify(NIM_ADD);
}

void TSxTrayIcon::RemoveIcon()
{
    SendNotify(NIM_DELETE);
}

void TSxTrayIcon::ModifyIcon()
{
    if (updating_)
        return;
    FillNotifyData();
    SendNotify(NIM_MODIFY);
}

void TSxTrayIcon::SendNotify(DWORD request)
{
    if (!designing_ || showDesignTime_)
        shell_.NotifyIcon(request, notifyData_);
}

void TSxTrayIcon::EndUpdate()
{
    updating_ = false;
    ModifyIcon();
}

void TSxTrayIcon::SetIcon(const ui::Icon& icon)
{
    icon_.Assign(icon);
    ModifyIcon();
}

void TSxTrayIcon::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active)
        AddIcon();
    else
        RemoveIcon();
}

void TSxTrayIcon::SetShowDesignTime(bool show)
{
    if (!show && active_ && designing_)
        RemoveIcon();
    showDesignTime_ = show;
    if (show && active_)
        AddIcon();
}

void TSxTrayIcon::SetTip(std::wstring tip)
{
    tip_ = std::move(tip);
    ModifyIcon();
}

void TSxTrayIcon::SetInfoTitle(std::wstring title)
{
    if (title == infoTitle_)
        return;
    infoTitle_ = std::move(title);
    ModifyIcon();
}

void TSxTrayIcon::Fire(const TNotifyEvent& event)
{
    if (event)
        event(*this);
}

void TSxTrayIcon::Click()
{
    Fire(OnClick);
}

void TSxTrayIcon::DblClick()
{
    ClickDefaultItem();
    Fire(OnDblClick);
}

void TSxTrayIcon::ClickDefaultItem()
{
    if (!designing_ && popupMenu_)
        popupMenu_->ClickDefaultItem();
}

HRESULT TSxTrayIcon::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (id == IID_ISxTrayIcon || id == IID_IUnknown) {
        *object = static_cast<ISxTrayIcon*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

void TSxTrayIcon::LoadIconFromStream(IStream* stream)
{
    std::vector<std::uint8_t> data;
    std::uint8_t buffer[4096];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0)
        data.insert(data.end(), buffer, buffer + read);
    icon_.LoadFromData(data);
}

std::optional<LRESULT> TSxTrayIcon::WndProc(UINT message, WPARAM, LPARAM lParam)
{
    if (message == kCallbackMessage) {
        HandleMouse(lParam);
        return 0;
    }
    if (message == TaskbarCreatedMessage()) {
        if (active_)
            AddIcon();
        return 0;
    }
    return std::nullopt;
}

void TSxTrayIcon::HandleMouse(LPARAM action)
{
    if (HandleBalloon(action))
        return;
    POINT at{};
    GetCursorPos(&at);
    const TShiftState shift = CurrentShiftState();
    const auto mouse = [&](const TMouseEvent& event, TMouseButton button) {
        if (event)
            event(*this, button, shift, at.x, at.y);
    };
    switch (action) {
    case WM_MOUSEMOVE:
        if (OnMouseMove)
            OnMouseMove(*this, shift, at.x, at.y);
        break;
    case WM_LBUTTONDOWN:
        leftPressed_ = true;
        mouse(OnMouseDown, TMouseButton::mbLeft);
        break;
    case WM_LBUTTONUP:
        if (std::exchange(leftPressed_, false))
            Click();
        mouse(OnMouseUp, TMouseButton::mbLeft);
        break;
    case WM_RBUTTONDOWN:
        rightPressed_ = true;
        mouse(OnMouseDown, TMouseButton::mbRight);
        break;
    case WM_RBUTTONUP:
        if (std::exchange(rightPressed_, false))
            ShowPopupMenu(at);
        mouse(OnMouseUp, TMouseButton::mbRight);
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        DblClick();
        break;
    }
}

void TSxTrayIcon::ShowPopupMenu(POINT at)
{
    if (!popupMenu_)
        return;
    auto& application = ui::Application::Current();
    shell_.SetForegroundWindow(application.Handle());
    application.ProcessMessages();
    popupMenu_->Popup(application.Handle(), at);
}

bool TSxTrayIcon::HandleBalloon(LPARAM action)
{
    switch (action) {
    case NIN_BALLOONSHOW:
        Fire(OnBalloonShow);
        return true;
    case NIN_BALLOONHIDE:
        Fire(OnBalloonHide);
        return true;
    case NIN_BALLOONTIMEOUT:
        Fire(OnBalloonTimeout);
        return true;
    case NIN_BALLOONUSERCLICK:
        Fire(OnBalloonUserClick);
        return true;
    }
    return false;
}

}
