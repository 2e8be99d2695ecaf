// The tray icon component: one icon in the notification area of the task bar with its tip; it
// reports mouse actions on the icon as events, pops up its host's menu on a right click and puts
// the icon back when the task bar is created again.
#pragma once
#include "components/component.h"
#include "components/sx_tray_icon_shell.h"
#include "ui/hidden_window.h"
#include "ui/icon.h"
#include "ui/popup_menu.h"

#include <objidl.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace components {

// Kept for the host only: the icon never asks the shell for a balloon.
enum TSxTrayIconInfoFlags { niifError = 0, niifInfo = 1, niifNone = 2, niifWarning = 3 };

enum class TMouseButton { mbLeft, mbRight };

// The keyboard modifiers held while a mouse message is handled.
struct TShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool operator==(const TShiftState&) const = default;
};

// {749648CB-099C-477B-B93A-83E12488AF12}
inline constexpr GUID IID_ISxTrayIcon = {0x749648CB, 0x099C, 0x477B, {0xB9, 0x3A, 0x83, 0xE1, 0x24, 0x88, 0xAF, 0x12}};

// The icon's operations for COM-style callers; reference counting does not govern its lifetime.
struct ISxTrayIcon : public IUnknown {
    virtual void STDMETHODCALLTYPE Click() = 0;
    virtual void STDMETHODCALLTYPE DblClick() = 0;
    virtual BOOL STDMETHODCALLTYPE get_Active() = 0;
    virtual void STDMETHODCALLTYPE put_Active(BOOL active) = 0;
    // Takes the tip without refreshing: it shows at the next refresh.
    virtual void STDMETHODCALLTYPE put_Tip(LPCWSTR tip) = 0;
    virtual void STDMETHODCALLTYPE LoadIconFromStream(IStream* stream) = 0;
    virtual void STDMETHODCALLTYPE Reserved(WPARAM, LPARAM) = 0;
};

class TSxTrayIcon : public TComponent, public ISxTrayIcon {
public:
    using TNotifyEvent = std::function<void(TSxTrayIcon& sender)>;
    using TMouseMoveEvent = std::function<void(TSxTrayIcon& sender, TShiftState shift, int x, int y)>;
    using TMouseEvent = std::function<void(TSxTrayIcon& sender, TMouseButton button, TShiftState shift, int x, int y)>;

    // The shell sends mouse actions on the icon with this message, the mouse message in lParam.
    static constexpr UINT kCallbackMessage = 0xB05A;
    static constexpr UINT kIconId = 1;
    static constexpr std::int32_t kDefaultInfoTimeout = 10000;

    explicit TSxTrayIcon(TrayShell& shell);
    ~TSxTrayIcon() override;

    ui::Icon& Icon() { return icon_; }
    // Copies the picture, then refreshes the icon.
    void SetIcon(const ui::Icon& icon);
    bool Active() const { return active_; }
    void SetActive(bool active);
    bool ShowDesignTime() const { return showDesignTime_; }
    void SetShowDesignTime(bool show);
    ui::PopupMenu* PopupMenu() const { return popupMenu_; }
    // The menu is not owned: the host keeps it alive while the icon may show it.
    void SetPopupMenu(ui::PopupMenu* menu) { popupMenu_ = menu; }
    const std::wstring& Tip() const { return tip_; }
    // Refreshes the icon even when the text is the same.
    void SetTip(std::wstring tip);
    const std::wstring& InfoText() const { return infoText_; }
    void SetInfoText(std::wstring text) { infoText_ = std::move(text); }
    const std::wstring& InfoTitle() const { return infoTitle_; }
    void SetInfoTitle(std::wstring title);
    std::int32_t InfoTimeout() const { return infoTimeout_; }
    void SetInfoTimeout(std::int32_t timeout) { infoTimeout_ = timeout; }
    TSxTrayIconInfoFlags InfoFlags() const { return infoFlags_; }
    void SetInfoFlags(TSxTrayIconInfoFlags flags) { infoFlags_ = flags; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnBalloonShow;
    TNotifyEvent OnBalloonHide;
    TNotifyEvent OnBalloonTimeout;
    TNotifyEvent OnBalloonUserClick;

    // The refresh lock: no refresh reaches the shell until EndUpdate, which sends one. There is no
    // nesting count.
    void BeginUpdate() { updating_ = true; }
    void EndUpdate();

    // Design mode: the component is being edited rather than run; the shell is left alone then
    // unless ShowDesignTime allows it.
    bool Designing() const { return designing_; }
    void SetDesigning(bool designing) { designing_ = designing; }

    // The hidden window that receives the shell's messages and the task-bar-created broadcast.
    HWND WindowHandle() const { return window_.Handle(); }
    const NOTIFYICONDATAW& NotifyData() const { return notifyData_; }

    virtual void FillNotifyData();
    virtual void AddIcon();
    virtual void RemoveIcon();
    virtual void ModifyIcon();

    // ISxTrayIcon
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    void STDMETHODCALLTYPE Click() override;
    void STDMETHODCALLTYPE DblClick() override;
    BOOL STDMETHODCALLTYPE get_Active() override { return active_; }
    void STDMETHODCALLTYPE put_Active(BOOL active) override { SetActive(active != FALSE); }
    void STDMETHODCALLTYPE put_Tip(LPCWSTR tip) override { tip_ = tip ? tip : L""; }
    void STDMETHODCALLTYPE LoadIconFromStream(IStream* stream) override;
    void STDMETHODCALLTYPE Reserved(WPARAM, LPARAM) override {}

protected:
    void SendNotify(DWORD request);
    void IconChanged() { ModifyIcon(); }
    void ClickDefaultItem();
    std::optional<LRESULT> WndProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The shell's notice of a mouse action over the icon, or of its balloon tip.
    void HandleMouse(LPARAM action);
    void ShowPopupMenu(POINT at);
    bool HandleBalloon(LPARAM action);
    void Fire(const TNotifyEvent& event);

    TrayShell& shell_;
    ui::HiddenWindow window_;
    NOTIFYICONDATAW notifyData_{};
    ui::Icon icon_;
    bool updating_ = false;
    bool leftPressed_ = false;
    bool rightPressed_ = false;
    bool active_ = false;
    bool showDesignTime_ = false;
    bool designing_ = false;
    ui::PopupMenu* popupMenu_ = nullptr;
    std::wstring tip_;
    std::wstring infoText_;
    std::wstring infoTitle_;
    std::int32_t infoTimeout_ = kDefaultInfoTimeout;
    TSxTrayIconInfoFlags infoFlags_ = niifNone;
};

// The number of the message the shell broadcasts to top-level windows when it has created the task bar.
UINT TaskbarCreatedMessage();

}
