// Pages drawn into an enhanced metafile through the printing code, and the texts read back.
#pragma once
#include "ui/printing.h"

#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

struct DrawnText {
    std::wstring text;
    int x = 0;
    int y = 0;
};
using DrawnPage = std::vector<DrawnText>;

// Pages drawn into one enhanced metafile, each begun with a comment that marks it.
class MetafileSurface final : public ui::PageSurface {
public:
    MetafileSurface();
    MetafileSurface(const MetafileSurface&) = delete;
    MetafileSurface& operator=(const MetafileSurface&) = delete;
    ~MetafileSurface() override;

    HDC Dc() const override { return dc_; }
    void BeginPage() override;
    void EndPage() override { ++ended; }
    void Finish() override { finished = true; }

    // The texts drawn on each page, in the order they were drawn; ends the recording.
    std::vector<DrawnPage> Read();

    int begun = 0;
    int ended = 0;
    bool finished = false;

private:
    HDC dc_;
};

// The printing service of tests: no dialog; the pages go to `surface`, or nothing is chosen.
class RecordingPrinting final : public ui::Printing {
public:
    std::unique_ptr<ui::PageSurface> Choose(HWND owner, const std::wstring& document) override;

    MetafileSurface* surface = nullptr;  // not owned; null: the dialog is cancelled
    std::vector<std::wstring> documents;
};

}
