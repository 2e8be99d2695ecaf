// The icon list component.
#include "components/sx_icon_list.h"

#include "base/atomic_file.h"
#include "base/error.h"

#include <objbase.h>
#include <shellapi.h>

#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <vector>

namespace components {
namespace {

constexpr UINT kDrawFlags[] = {
    ILD_BLEND25,   // ildBlend25
    ILD_FOCUS,     // ildFocus
    ILD_BLEND50,   // ildBlend50
    ILD_SELECTED,  // ildSelected
    ILD_BLEND,     // ildBlend
    ILD_MASK,      // ildMask
    ILD_NORMAL,    // ildNormal
    ILD_TRANSPARENT,  // ildTransparent
};

struct StreamRelease {
    void operator()(IStream* stream) const { stream->Release(); }
};
using StreamHandle = std::unique_ptr<IStream, StreamRelease>;

// The platform's own image-list stream at the start of `data`: the list and the bytes it took.
ui::ImageListHandle ReadPlatformList(const std::vector<std::uint8_t>& data, std::size_t& consumed)
{
    IStream* raw = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &raw)))
        return nullptr;
    StreamHandle stream(raw);
    ULONG written = 0;
    stream->Write(data.data(), static_cast<ULONG>(data.size()), &written);
    stream->Seek({}, STREAM_SEEK_SET, nullptr);
    ui::ImageListHandle list(ImageList_Read(stream.get()));
    if (list) {
        ULARGE_INTEGER position{};
        stream->Seek({}, STREAM_SEEK_CUR, &position);
        consumed = static_cast<std::size_t>(position.QuadPart);
    }
    return list;
}

std::wstring FullPath(const std::wstring& fileName)
{
    wchar_t buffer[MAX_PATH * 2];
    const DWORD length = GetFullPathNameW(fileName.c_str(), static_cast<DWORD>(std::size(buffer)), buffer, nullptr);
    return length > 0 && length < std::size(buffer) ? std::wstring(buffer, length) : fileName;
}

std::wstring SystemReason(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason(text ? text : L"", length);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
        reason.pop_back();
    return reason;
}

[[noreturn]] void FileError(const wchar_t* what, const std::wstring& fileName, DWORD code)
{
    throw base::Error(std::wstring(what) + L" \"" + FullPath(fileName) + L"\". " + SystemReason(code));
}

struct FileDeleter {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using FileHandle = std::unique_ptr<void, FileDeleter>;

HANDLE Valid(HANDLE file)
{
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

}

TSxIconList::TSxIconList() = default;

TSxIconList::~TSxIconList() = default;

std::int32_t TSxIconList::Width()
{
    if (list_)
        ImageList_GetIconSize(list_.get(), &width_, &height_);
    return width_;
}

std::int32_t TSxIconList::Height()
{
    if (list_)
        ImageList_GetIconSize(list_.get(), &width_, &height_);
    return height_;
}

void TSxIconList::SetTrayIcon(TSxTrayIcon* trayIcon)
{
    if (trayIcon_ && trayIcon_ != trayIcon)
        trayIcon_->RemoveFreeNotification(*this);
    trayIcon_ = trayIcon;
    if (trayIcon_)
        trayIcon_->FreeNotification(*this);
    UpdateTrayIcon();
}

void TSxIconList::Notification(TComponent& component)
{
    if (&component == trayIcon_)
        SetTrayIcon(nullptr);
}

bool TSxIconList::Animated() const
{
    if (designing_)
        return designAnimated_;
    return timer_ && timer_->Enabled();
}

void TSxIconList::SetAnimated(bool animated)
{
    if (designing_) {
        designAnimated_ = animated;
        return;
    }
    if (!timer_ && animated)
        timer_ = std::make_unique<ui::Timer>([this] { AnimationTick(); });
    if (timer_)
        timer_->SetEnabled(animated);
}

void TSxIconList::AnimationTick()
{
    if (OnAnimate)
        OnAnimate(*this);
    NextIcon();
}

void TSxIconList::SetIconIndex(std::int32_t index)
{
    iconIndex_ = index;
    if (!loading_)
        UpdateTrayIcon();
}

void TSxIconList::SetDrawStyle(TSxIconDrawStyle style)
{
    drawStyle_ = style;
    UpdateTrayIcon();
}

COLORREF TSxIconList::BkColor()
{
    if (list_)
        bkColor_ = ImageList_GetBkColor(list_.get());
    return bkColor_;
}

void TSxIconList::SetBkColor(COLORREF color)
{
    CreateHandle();
    ImageList_SetBkColor(list_.get(), color);
    bkColor_ = color;
}

void TSxIconList::CreateHandle()
{
    if (list_)
        return;
    // A copy of the shell's small system image list has the colour depth and mask kind the
    // system draws small icons with.
    SHFILEINFOW info{};
    auto system = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    ui::ImageListHandle copy(system ? ImageList_Duplicate(system) : nullptr);
    if (copy)
        ImageList_Remove(copy.get(), -1);
    else
        copy.reset(ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 0, 4));
    if (!copy)
        throw base::Error(L"Out of system resources");
    ImageList_SetIconSize(copy.get(), width_, height_);
    ImageList_SetBkColor(copy.get(), bkColor_);
    list_ = std::move(copy);
}

HIMAGELIST TSxIconList::Handle()
{
    CreateHandle();
    return list_.get();
}

std::int32_t TSxIconList::Count()
{
    return ImageList_GetImageCount(Handle());
}

void TSxIconList::Change()
{
    UpdateTrayIcon();
    if (OnChange)
        OnChange(*this);
}

void TSxIconList::NextIcon()
{
    ++iconIndex_;
    if (iconIndex_ > Count() - 1)
        iconIndex_ = 0;
    UpdateTrayIcon();
}

void TSxIconList::UpdateTrayIcon()
{
    CreateHandle();
    if (!trayIcon_)
        return;
    trayIcon_->BeginUpdate();
    // An index outside the list gives no icon: the tray icon's picture becomes empty.
    trayIcon_->Icon().SetHandle(ImageList_GetIcon(list_.get(), iconIndex_, kDrawFlags[drawStyle_]));
    trayIcon_->EndUpdate();
}

void TSxIconList::SaveToStream(std::ostream& stream)
{
    const auto strips = ui::SaveStrips(Handle());
    stream.write(reinterpret_cast<const char*>(strips.data()), static_cast<std::streamsize>(strips.size()));
}

void TSxIconList::LoadFromStream(std::istream& stream)
{
    DestroyHandle();
    const std::streampos start = stream.tellg();
    const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    stream.clear();
    std::size_t consumed = 0;
    if (auto list = ReadPlatformList(data, consumed)) {
        list_ = std::move(list);
    } else {
        const ui::Strips strips = ui::ReadStrips(data, consumed);
        CreateHandle();
        if (strips.colour)
            ImageList_Add(list_.get(), strips.colour.get(), strips.mask.get());
    }
    stream.seekg(start + static_cast<std::streamoff>(consumed));
}

void TSxIconList::LoadFromFile(const std::wstring& fileName)
{
    FileHandle file(Valid(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file)
        FileError(L"Cannot open file", fileName, GetLastError());
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    file.reset();
    std::istringstream stream(bytes, std::ios::binary);
    LoadFromStream(stream);
}

void TSxIconList::SaveToFile(const std::wstring& fileName)
{
    std::ostringstream stream(std::ios::binary);
    SaveToStream(stream);
    if (const auto failure = base::WriteFileAtomically(fileName, stream.view()))
        FileError(L"Cannot create file", fileName, failure->code);
}

bool TSxIconList::SameIcons(TSxIconList* other)
{
    if (!other)
        return false;
    const std::int32_t count = Count();
    if (count != other->Count())
        return false;
    if (count == 0)
        return true;
    std::ostringstream mine(std::ios::binary);
    std::ostringstream theirs(std::ios::binary);
    SaveToStream(mine);
    other->SaveToStream(theirs);
    return mine.str() == theirs.str();
}

void TSxIconList::Assign(TComponent& source)
{
    auto* list = dynamic_cast<TSxIconList*>(&source);
    if (!list || list == this)
        return;
    DestroyHandle();
    list_.reset(ImageList_Duplicate(list->Handle()));
}

bool TSxIconList::StoresIcons(bool inherited, TComponent* counterpart)
{
    if (!inherited)
        return Count() > 0;
    auto* list = dynamic_cast<TSxIconList*>(counterpart);
    return !(list && SameIcons(list));
}

void TSxIconList::WriteIcons(std::ostream& stream)
{
    CreateHandle();
    SaveToStream(stream);
}

void TSxIconList::ReadIcons(std::istream& stream)
{
    DestroyHandle();
    LoadFromStream(stream);
}

}
