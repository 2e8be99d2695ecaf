// Containers that other controls stand on: a picture drawn unscaled or stretched, and a bevelled panel.
#pragma once
#include "ui/color.h"
#include "ui/gdi.h"
#include "ui/image.h"
#include "ui/window.h"

#include <functional>

namespace ui {

class Picture : public Window {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        // Read the first time the picture is drawn.
        PictureSource picture;
        bool stretch = false;
        // A picture that acts as a button: hand cursor, a stop in the tab order, pressed with the
        // mouse or with Enter or Space while it has the focus.
        bool button = false;
    };
    explicit Picture(Args args);

    // Runs when the picture is clicked, or pressed from the keyboard when it is a button.
    std::function<void()> onClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnEraseBackground(HDC dc) override;
    void OnPaint(HDC) override {}

private:
    // The picture's pixels, once read.
    HBITMAP Pixels();

    PictureSource source_;
    Bitmap bitmap_;
    bool stretch_;
    bool button_;
};

enum class Bevel { None, Lowered, Raised };

class Panel : public Window {
public:
    struct Args {
        HWND parent = nullptr;
        Rect bounds;
        Bevel inner = Bevel::None;
        Bevel outer = Bevel::None;
        Color color = kButtonFace;
        bool singleBorder = false;  // a flat one-pixel frame
    };
    explicit Panel(const Args& args);

protected:
    bool OnEraseBackground(HDC dc) override;
    void OnPaint(HDC) override {}

private:
    Bevel inner_;
    Bevel outer_;
    Color color_;
};

}
