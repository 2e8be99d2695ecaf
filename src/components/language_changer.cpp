// The keyboard layout component.
#include "components/language_changer.h"

#include "base/atomic_file.h"
#include "base/names.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace components {

TLanguageTable TCurrentLanguages::installed_{};
int TCurrentLanguages::installedCount_ = 0;

namespace {

constexpr char kSource[] = "LanguageChanger";
constexpr std::size_t kRecordSize = 36;
constexpr std::size_t kHandleOffset = 8;
constexpr std::size_t kNumberOffset = 12;
const char* const kListNames[] = {"ID", "LOCOLIZED", "ENGLISH", "SHORT", "NATIVE", "EXT"};

[[noreturn]] void Assertion(const std::string& message, int line)
{
    throw EAssertionFailed(message + " (" + kSource + ", line " + std::to_string(line) + ")");
}

std::string ToAnsi(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

std::wstring FromAnsi(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

// Only a to z fold: the component's comparisons leave every other character, Cyrillic too, as it is.
std::string LatinUpper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

bool SameText(const std::string& a, const std::string& b)
{
    return LatinUpper(a) == LatinUpper(b);
}

std::string Hex(std::uint32_t value, bool leadingZeros)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, leadingZeros ? "%08X" : "%X", static_cast<unsigned>(value));
    return buffer;
}

std::uint32_t HandleValue(HKL layout)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(layout));
}

const std::string& FieldOf(const TrecLang& record, int kind)
{
    switch (kind) {
    case TCurrentLanguages::kID:
        return record.LayoutHandleShortHex;
    case TCurrentLanguages::kLocolized:
        return record.LocolizedName;
    case TCurrentLanguages::kEnglish:
        return record.EnglishName;
    case TCurrentLanguages::kShort:
        return record.ShortName;
    case TCurrentLanguages::kNative:
        return record.NativeName;
    default:
        return record.Extention;
    }
}

void PutSlot(char* record, std::size_t offset, std::uint32_t value)
{
    for (int byte = 0; byte < 4; ++byte)
        record[offset + byte] = static_cast<char>((value >> (8 * byte)) & 0xFF);
}

std::uint32_t GetSlot(const unsigned char* record, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int byte = 3; byte >= 0; --byte)
        value = (value << 8) | record[offset + byte];
    return value;
}

struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using FileHandle = std::unique_ptr<void, FileCloser>;

FileHandle OpenFile(const std::string& name, DWORD access, DWORD disposition)
{
    HANDLE file = CreateFileA(name.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

}  // namespace

// The link a component puts into the application's hook chain. It outlives the component: once the
// component is gone the link only passes messages on to the hook the component displaced.
struct TCurrentLanguages::HookLink {
    TCurrentLanguages* component;
    ui::Application::MessageHook saved;
};

struct TCurrentLanguages::HookCall {
    std::shared_ptr<HookLink> link;
    void operator()(MSG& message, bool& handled) const
    {
        if (link->component)
            link->component->AppMessage(message, handled);
        else if (link->saved)
            link->saved(message, handled);
    }
};

TCurrentLanguages::TCurrentLanguages(components::KeyboardLayouts& platform) : platform_(platform)
{
    RefreshProperties();
    RebuildLanguageTable();
    InstallHook();
}

TCurrentLanguages::TCurrentLanguages(components::KeyboardLayouts& platform, HKL layout) : TCurrentLanguages(platform)
{
    ActivateLayout(layout);
}

TCurrentLanguages::TCurrentLanguages(components::KeyboardLayouts& platform, const std::string& fileName)
    : TCurrentLanguages(platform)
{
    TrecLang record;
    LoadLayoutFromFile(fileName, record);
    ActivateLayout(record);
}

TCurrentLanguages::~TCurrentLanguages()
{
    hook_->component = nullptr;
    ui::Application& app = ui::Application::Current();
    const auto* top = app.onMessage.target<HookCall>();
    if (!top || top->link != hook_)
        return;
    // Links of components already gone only pass messages on: leave them out of the restored chain.
    ui::Application::MessageHook restored = hook_->saved;
    while (const auto* call = restored.target<HookCall>()) {
        if (call->link->component)
            break;
        ui::Application::MessageHook below = call->link->saved;
        restored = std::move(below);
    }
    app.onMessage = std::move(restored);
}

void TCurrentLanguages::InstallHook()
{
    ui::Application& app = ui::Application::Current();
    hook_ = std::make_shared<HookLink>(HookLink{this, app.onMessage});
    ReinstallHook();
}

void TCurrentLanguages::ReinstallHook()
{
    ui::Application::Current().onMessage = HookCall{hook_};
}

void TCurrentLanguages::AppMessage(MSG& Msg, bool& Handled)
{
    if (Msg.message == WM_INPUTLANGCHANGEREQUEST || Msg.message == WM_INPUTLANGCHANGE) {
        const HKL requested = reinterpret_cast<HKL>(Msg.lParam);
        if (BeforeLanguageChanges) {
            TrecLang current;
            TrecLang next;
            GetLanguageRecord(GetCurrentLayout(), current);
            GetLanguageRecord(requested, next);
            BeforeLanguageChanges(*this, current, next);
        }
        platform_.DefaultLanguageChange(ui::Application::Current().Handle(), Msg.message, Msg.wParam, Msg.lParam);
        RefreshProperties();
        if (AftherLanguageChanges) {
            // Messages processed inside the event, by a box it shows, must not come back here.
            ui::Application::Current().onMessage = nullptr;
            struct Reinstall {
                TCurrentLanguages& self;
                ~Reinstall() { self.ReinstallHook(); }
            } reinstall{*this};
            TrecLang now;
            GetLanguageRecord(GetCurrentLayout(), now);
            AftherLanguageChanges(*this, now);
        }
    }
    if (const auto saved = hook_->saved)
        saved(Msg, Handled);
}

void TCurrentLanguages::RefreshProperties()
{
    const HKL current = GetCurrentLayout();
    for (int kind = kID; kind <= kExt; ++kind) {
        properties_[kind].clear();
        Attribute(static_cast<Kind>(kind), current, properties_[kind]);
    }
}

std::int32_t TCurrentLanguages::GetLayoutsCount()
{
    return static_cast<std::int32_t>(platform_.Installed(8).size());
}

bool TCurrentLanguages::AvilableLayouts(TLayouts& Layouts)
{
    Layouts.clear();
    TLayouts installed = platform_.Installed(kMaxLayouts);
    if (installed.empty())
        return false;
    Layouts = std::move(installed);
    return true;
}

bool TCurrentLanguages::GetLanguageData(HKL Layout, LCTYPE Information, std::string& Text)
{
    Text.clear();
    const LCID locale = MAKELCID(LOWORD(HandleValue(Layout)), SORT_DEFAULT);
    const std::optional<std::wstring> data = platform_.LocaleInfo(locale, Information);
    if (!data)
        return false;
    Text = ToAnsi(*data);
    if (base::Trim(std::string_view(Text), std::string_view(" ")).empty())
        Assertion("The function GetLanguageData reports: Unable to extract the requested data " +
                      std::to_string(Information) + " for the language.",
                  __LINE__);
    return true;
}

bool TCurrentLanguages::GetLanguageID(HKL Layout, std::string& Text)
{
    return GetLanguageData(Layout, LOCALE_ILANGUAGE, Text);
}

bool TCurrentLanguages::GetLanguageLocolizedName(HKL Layout, std::string& Text)
{
    return GetLanguageData(Layout, LOCALE_SLANGUAGE, Text);
}

bool TCurrentLanguages::GetLanguageEnglishName(HKL Layout, std::string& Text)
{
    return GetLanguageData(Layout, LOCALE_SENGLANGUAGE, Text);
}

bool TCurrentLanguages::GetLangaugeShortenName(HKL Layout, std::string& Text)
{
    return GetLanguageData(Layout, LOCALE_SABBREVLANGNAME, Text);
}

bool TCurrentLanguages::GetLanguageNativeName(HKL Layout, std::string& Text)
{
    return GetLanguageData(Layout, LOCALE_SNATIVELANGNAME, Text);
}

bool TCurrentLanguages::GetLanguageExtentionName(HKL Layout, std::string& Text)
{
    const bool found = GetLangaugeShortenName(Layout, Text);
    Text = Text.substr(0, 2);
    return found;
}

bool TCurrentLanguages::GetLanguageRecord(HKL Layout, TrecLang& Record)
{
    Record = TrecLang{};
    TrecLang work;
    work.LayoutHandleHex = Hex(HandleValue(Layout), true);
    work.LayoutHandleShortHex = Hex(HandleValue(Layout), false);
    work.LayoutHandle = Layout;
    std::string id;
    if (!GetLanguageID(Layout, id))
        return false;
    work.LanguageNumber = static_cast<std::int32_t>(std::strtol(id.c_str(), nullptr, 16));
    if (!GetLanguageLocolizedName(Layout, work.LocolizedName) || !GetLanguageEnglishName(Layout, work.EnglishName) ||
        !GetLangaugeShortenName(Layout, work.ShortName) || !GetLanguageNativeName(Layout, work.NativeName) ||
        !GetLanguageExtentionName(Layout, work.Extention))
        return false;
    Record = std::move(work);
    return true;
}

void TCurrentLanguages::FillLanguageRecords(const TLayouts& Layouts, TLanguageTable& Table)
{
    Table.fill(TrecLang{});
    for (std::size_t i = 0; i < Layouts.size() && i < Table.size(); ++i)
        GetLanguageRecord(Layouts[i], Table[i]);
}

void TCurrentLanguages::RebuildLanguageTable()
{
    TLayouts layouts;
    AvilableLayouts(layouts);
    FillLanguageRecords(layouts, installed_);
    installedCount_ = static_cast<int>(std::min<std::size_t>(layouts.size(), kMaxLayouts));
}

bool TCurrentLanguages::ActivateLayout(HKL Layout)
{
    const bool activated = platform_.Activate(Layout) != nullptr;
    RefreshProperties();
    return activated;
}

bool TCurrentLanguages::ActivateLayout(const TrecLang& Record)
{
    return ActivateLayout(Record.LayoutHandle);
}

bool TCurrentLanguages::ActivateNextLayout()
{
    return ActivateLayout(reinterpret_cast<HKL>(HKL_NEXT));
}

bool TCurrentLanguages::ActivatePreviousLayout()
{
    return ActivateLayout(reinterpret_cast<HKL>(HKL_PREV));
}

void TCurrentLanguages::SaveLayoutToFile(const TrecLang& Record, const std::string& FileName)
{
    // Only the two numbers are values; the text slots stay zero. An existing file is never left half written.
    char record[kRecordSize] = {};
    PutSlot(record, kHandleOffset, HandleValue(Record.LayoutHandle));
    PutSlot(record, kNumberOffset, static_cast<std::uint32_t>(Record.LanguageNumber));
    if (base::WriteFileAtomically(FromAnsi(FileName), std::string_view(record, kRecordSize)))
        throw EFileError("The procedure SaveLayoutToFile reports: The file " + FileName + " cannot be written.");
}

void TCurrentLanguages::LoadLayoutFromFile(const std::string& FileName, TrecLang& Record)
{
    Record = TrecLang{};
    const DWORD attributes = GetFileAttributesA(FileName.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw EFileError("The procedure LoadLayoutFromFile reports: The file " + FileName + " was not found.");
    const FileHandle file = OpenFile(FileName, GENERIC_READ, OPEN_EXISTING);
    unsigned char record[kRecordSize] = {};
    DWORD read = 0;
    if (!file || !ReadFile(file.get(), record, kRecordSize, &read, nullptr) || read != kRecordSize)
        throw EReadError("Stream read error");
    Record.LayoutHandle = reinterpret_cast<HKL>(static_cast<std::uintptr_t>(GetSlot(record, kHandleOffset)));
    Record.LanguageNumber = static_cast<std::int32_t>(GetSlot(record, kNumberOffset));
}

void TCurrentLanguages::BuildList(const std::function<int()>& kindOf, std::vector<std::string>* List)
{
    std::vector<std::string> own;
    std::vector<std::string>& list = List ? *List : own;
    TLayouts layouts;
    AvilableLayouts(layouts);
    for (HKL layout : layouts) {
        std::string text;
        const int kind = kindOf();
        if (kind >= kID && kind <= kExt)
            Attribute(static_cast<Kind>(kind), layout, text);
        if (base::Trim(std::string_view(text), std::string_view(" ")).empty())
            Assertion("The procedure SetLayoutList reports: The value of the Return variable is empty", __LINE__);
        list.push_back(text);
    }
}

void TCurrentLanguages::SetLayoutList(std::uint8_t ListType, std::vector<std::string>* List)
{
    BuildList([ListType] { return static_cast<int>(ListType); }, List);
}

void TCurrentLanguages::SetLayoutList(std::int32_t ListType, std::vector<std::string>* List)
{
    if (ListType < kID || ListType > kExt)
        throw ERangeError("The procedure SetLayoutList reports: The variable ListType is out of range.");
    SetLayoutList(static_cast<std::uint8_t>(ListType), List);
}

void TCurrentLanguages::SetLayoutList(const std::string& ListType, std::vector<std::string>* List)
{
    BuildList(
        [&ListType] {
            const std::string upper = LatinUpper(ListType);
            for (int kind = kID; kind <= kExt; ++kind) {
                if (upper == kListNames[kind])
                    return kind;
            }
            throw EUnknownIdentifer("The procedure SetLayoutList reports: The value of the ListType variable (" +
                                    ListType + ") is unkown.");
        },
        List);
}

HKL TCurrentLanguages::GetIDFromRecord(std::uint8_t Kind, const std::string& Text)
{
    if (base::Trim(std::string_view(Text), std::string_view(" ")).empty())
        return nullptr;
    try {
        for (int i = 0; i < installedCount_ && Kind <= kExt; ++i) {
            if (SameText(FieldOf(installed_[i], Kind), Text))
                return installed_[i].LayoutHandle;
        }
    } catch (...) {
        throw std::runtime_error("The function GetIDFromRecord Reports about unknown exception.");
    }
    return nullptr;
}

HKL TCurrentLanguages::GetCurrentLayout()
{
    return platform_.Current();
}

void TCurrentLanguages::WriteProperty(Kind kind, const std::string& value)
{
    if (SameText(value, properties_[kind]))
        return;
    properties_[kind] = value;
    ActivateLayout(GetIDFromRecord(kind, value));
    RefreshProperties();
}

bool TCurrentLanguages::Attribute(Kind kind, HKL layout, std::string& text)
{
    switch (kind) {
    case kID:
        return GetLanguageID(layout, text);
    case kLocolized:
        return GetLanguageLocolizedName(layout, text);
    case kEnglish:
        return GetLanguageEnglishName(layout, text);
    case kShort:
        return GetLangaugeShortenName(layout, text);
    case kNative:
        return GetLanguageNativeName(layout, text);
    case kExt:
        return GetLanguageExtentionName(layout, text);
    }
    return false;
}

}  // namespace components
