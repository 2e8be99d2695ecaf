// The metafile surface and the recording printing service.
#include "support/metafile_surface.h"

#include <algorithm>
#include <memory>

namespace test_support {
namespace {

constexpr char kPageMark[] = "velmora-page";

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    auto& pages = *reinterpret_cast<std::vector<DrawnPage>*>(data);
    if (record->iType == EMR_GDICOMMENT) {
        const auto* comment = reinterpret_cast<const EMRGDICOMMENT*>(record);
        if (comment->cbData == sizeof kPageMark && std::equal(kPageMark, kPageMark + sizeof kPageMark, comment->Data))
            pages.emplace_back();
    } else if (record->iType == EMR_EXTTEXTOUTW && !pages.empty()) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
        pages.back().push_back({std::wstring(chars, text->emrtext.nChars), text->emrtext.ptlReference.x, text->emrtext.ptlReference.y});
    }
    return 1;
}

// Hands the pages on to a surface the test keeps.
class Forwarding final : public ui::PageSurface {
public:
    explicit Forwarding(MetafileSurface& target) : target_(target) {}
    HDC Dc() const override { return target_.Dc(); }
    void BeginPage() override { target_.BeginPage(); }
    void EndPage() override { target_.EndPage(); }
    void Finish() override { target_.Finish(); }

private:
    MetafileSurface& target_;
};

}

MetafileSurface::MetafileSurface() : dc_(CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr)) {}

MetafileSurface::~MetafileSurface()
{
    if (dc_)
        DeleteEnhMetaFile(CloseEnhMetaFile(dc_));
}

void MetafileSurface::BeginPage()
{
    GdiComment(dc_, sizeof kPageMark, reinterpret_cast<const BYTE*>(kPageMark));
    ++begun;
}

std::vector<DrawnPage> MetafileSurface::Read()
{
    const HENHMETAFILE metafile = CloseEnhMetaFile(dc_);
    dc_ = nullptr;
    std::vector<DrawnPage> pages;
    EnumEnhMetaFile(nullptr, metafile, &Collect, &pages, nullptr);
    DeleteEnhMetaFile(metafile);
    return pages;
}

std::unique_ptr<ui::PageSurface> RecordingPrinting::Choose(HWND, const std::wstring& document)
{
    documents.push_back(document);
    if (!surface)
        return nullptr;
    return std::make_unique<Forwarding>(*surface);
}

}
