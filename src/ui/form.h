// A top-level window of the program: fixed client size, border style, centred, owned by the
// application window; shown modally or not; its close runs the form's close handler. Its controls
// take part in dialog navigation: Tab and Shift+Tab move through them in creation order, the
// focus goes to the first one when the form is first activated and returns to the one that last
// had it, and Esc closes a modal form.
#pragma once
#include "ui/color.h"
#include "ui/font.h"
#include "ui/menu.h"
#include "ui/window.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ui {

enum class Border { Single, Dialog, None };

struct FormArgs {
    const wchar_t* className = L"VelmoraForm";
    std::wstring caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Border border = Border::Single;
    bool minimizeButton = false;
    Color color = kButtonFace;
    FontSpec font;
    // Placed over the middle of the main form each time it is shown, instead of the screen's.
    bool overMainForm = false;
};

class Form : public Window {
public:
    explicit Form(const FormArgs& args);
    ~Form() override;

    void Show(int showCommand = SW_SHOWNORMAL);
    void Hide();
    void Close();
    // Disables the program's other windows until this one closes; then the window that was active
    // before is active again.
    void ShowModal();
    bool Modal() const { return modal_; }
    // Sees every key typed in the form before the control with the focus and dialog navigation do;
    // true when it took the key.
    virtual bool PreviewKey(const MSG&) { return false; }
    // Sees every turn of the mouse wheel over the form before the control under it does; true
    // when it took the turn.
    virtual bool PreviewMouseWheel(const MSG&) { return false; }

    // Gives the keyboard focus to the first control in tab order (containers included).
    void FocusFirstControl();
    // Gives the keyboard focus back to the control that last had it, else to the first control.
    void RestoreFocus();

    HFONT Font() const { return font_.get(); }
    HMENU MenuBar() const { return GetMenu(Handle()); }
    // The window takes a menu bar of these items; the client area keeps its size and the window
    // stays centred. The pictures are not owned and must outlive the form: on a screen of another
    // scale the menu shows them at its size.
    void SetMenuBar(const std::vector<MenuItem>& items, const MenuPictures& pictures);

protected:
    // The close handler; an error it raises keeps the window open.
    virtual void FormClose() {}
    // Runs when the form has become the program's active window after being shown: once per showing,
    // not again when it comes back from a message box or from another program.
    virtual void FormActivate() {}
    // The show handler: runs each time the form is about to become visible, modally or not.
    virtual void FormShow() {}
    // Runs a creation handler as the program does: an error is shown and the rest of it skipped,
    // but the window is created all the same.
    void RunCreationHandler(const std::function<void()>& handler);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnEraseBackground(HDC dc) override;

private:
    void OnCloseRequest();
    void OnActivate(bool active);
    void FocusControl(HWND control);
    void CentreOverMainForm();
    // Moved to a screen of another scale: the suggested place, the controls and fonts at the new dpi.
    void OnDpiChanged(int dpi, const RECT& suggested);
    // A child's place, size and font from `from` to `dpi`; fonts scaled once each, kept in `scaledFonts`.
    void ScaleChild(HWND child, int from, int dpi, std::map<HFONT, HFONT>& scaledFonts);
    // After a modal showing: the window it showed last, or the one active before it.
    void ActivateNext(HWND previous, unsigned shown);
    void MoveFocus(bool backward);

    Color color_;
    FontSpec fontSpec_;
    FontHandle font_;
    // The dpi the controls were last laid out at.
    int dpi_ = SystemDpi();
    const MenuPictures* menuPictures_ = nullptr;
    // Controls' own fonts, scaled when the form moved to a screen of another scale.
    std::vector<FontHandle> ownFonts_;
    int clientWidth_;
    int clientHeight_;
    bool modal_ = false;
    bool overMainForm_;
    unsigned shownAt_ = 0;  // the number of the form's last showing among all forms' showings
    bool activationPending_ = false;
    // The control that had the focus when the form was last deactivated.
    HWND lastFocus_ = nullptr;
};

}
