// TCurrentLanguages: names the keyboard layout active for the program's thread, describes installed
// layouts from the locale data, activates them, lists them, keeps one in a layout file, and follows
// layout switches through the application's message hook.
#pragma once
#include "components/keyboard_layouts.h"
#include "ui/application.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace components {

using TLayouts = std::vector<HKL>;

// One layout's description. Texts are ANSI, in the system code page.
struct TrecLang {
    std::string LayoutHandleHex;
    std::string LayoutHandleShortHex;
    HKL LayoutHandle = nullptr;
    std::int32_t LanguageNumber = 0;
    std::string LocolizedName;
    std::string EnglishName;
    std::string ShortName;
    std::string NativeName;
    std::string Extention;
};

class TCurrentLanguages;
using TBeforeLanguageChangesEvent =
    std::function<void(TCurrentLanguages& Sender, const TrecLang& CurrentLanguage, const TrecLang& NewLanguage)>;
using TAftherLangueChangedEvent = std::function<void(TCurrentLanguages& Sender, const TrecLang& NewLanguage)>;

class EFileError : public std::runtime_error {
    using runtime_error::runtime_error;
};
class EUnknownIdentifer : public std::runtime_error {
    using runtime_error::runtime_error;
};
// A failed internal check: the message, then the source and line in parentheses.
class EAssertionFailed : public std::runtime_error {
    using runtime_error::runtime_error;
};
class ERangeError : public std::runtime_error {
    using runtime_error::runtime_error;
};
// A layout file too short for one record.
class EReadError : public std::runtime_error {
    using runtime_error::runtime_error;
};

inline constexpr int kMaxLayouts = 143;
using TLanguageTable = std::array<TrecLang, kMaxLayouts>;

class TCurrentLanguages {
public:
    // The attribute kinds of lookups, lists and the six properties.
    enum Kind : std::uint8_t { kID = 0, kLocolized, kEnglish, kShort, kNative, kExt };

    explicit TCurrentLanguages(KeyboardLayouts& platform);
    TCurrentLanguages(KeyboardLayouts& platform, HKL layout);
    // Activates the layout of a layout file; EFileError when there is no such file.
    TCurrentLanguages(KeyboardLayouts& platform, const std::string& fileName);
    TCurrentLanguages(const TCurrentLanguages&) = delete;
    TCurrentLanguages& operator=(const TCurrentLanguages&) = delete;
    // Takes this component out of the hook chain, so no message reaches it once it is gone.
    virtual ~TCurrentLanguages();

    virtual void AppMessage(MSG& Msg, bool& Handled);
    virtual void RefreshProperties();
    virtual std::int32_t GetLayoutsCount();
    virtual bool AvilableLayouts(TLayouts& Layouts);
    virtual bool GetLanguageData(HKL Layout, LCTYPE Information, std::string& Text);
    virtual bool GetLanguageID(HKL Layout, std::string& Text);
    virtual bool GetLanguageLocolizedName(HKL Layout, std::string& Text);
    virtual bool GetLanguageEnglishName(HKL Layout, std::string& Text);
    virtual bool GetLangaugeShortenName(HKL Layout, std::string& Text);
    virtual bool GetLanguageNativeName(HKL Layout, std::string& Text);
    virtual bool GetLanguageExtentionName(HKL Layout, std::string& Text);
    virtual bool GetLanguageRecord(HKL Layout, TrecLang& Record);
    virtual void FillLanguageRecords(const TLayouts& Layouts, TLanguageTable& Table);
    virtual void RebuildLanguageTable();
    virtual bool ActivateLayout(HKL Layout);
    virtual bool ActivateLayout(const TrecLang& Record);
    virtual bool ActivateNextLayout();
    virtual bool ActivatePreviousLayout();
    virtual void SaveLayoutToFile(const TrecLang& Record, const std::string& FileName);
    virtual void LoadLayoutFromFile(const std::string& FileName, TrecLang& Record);
    // Appends the attribute of every installed layout to `List`; with no list, to one of its own.
    virtual void SetLayoutList(std::uint8_t ListType, std::vector<std::string>* List);
    virtual void SetLayoutList(std::int32_t ListType, std::vector<std::string>* List);
    virtual void SetLayoutList(const std::string& ListType, std::vector<std::string>* List);
    virtual HKL GetIDFromRecord(std::uint8_t Kind, const std::string& Text);
    HKL GetCurrentLayout();

    // The six attributes of the active layout. A write of another value looks that value up among
    // the installed layouts and activates the layout found (the previous one when none matches).
    const std::string& LayoutID() const { return properties_[kID]; }
    const std::string& LayoutLocolizedName() const { return properties_[kLocolized]; }
    const std::string& LayoutEnglishName() const { return properties_[kEnglish]; }
    const std::string& LayoutShortName() const { return properties_[kShort]; }
    const std::string& LayoutNativeName() const { return properties_[kNative]; }
    const std::string& LayoutExtention() const { return properties_[kExt]; }
    void SetLayoutID(const std::string& Value) { WriteProperty(kID, Value); }
    void SetLayoutLocolizedName(const std::string& Value) { WriteProperty(kLocolized, Value); }
    void SetLayoutEnglishName(const std::string& Value) { WriteProperty(kEnglish, Value); }
    void SetLayoutShortName(const std::string& Value) { WriteProperty(kShort, Value); }
    void SetLayoutNativeName(const std::string& Value) { WriteProperty(kNative, Value); }
    void SetLayoutExtention(const std::string& Value) { WriteProperty(kExt, Value); }

    TAftherLangueChangedEvent AftherLanguageChanges;
    TBeforeLanguageChangesEvent BeforeLanguageChanges;

    // The installed-layout table, shared by every component; rebuilt by each construction.
    static const TLanguageTable& InstalledLayouts() { return installed_; }
    static int InstalledCount() { return installedCount_; }

private:
    struct HookLink;
    struct HookCall;

    void InstallHook();
    void ReinstallHook();
    void WriteProperty(Kind kind, const std::string& value);
    bool Attribute(Kind kind, HKL layout, std::string& text);
    void BuildList(const std::function<int()>& kindOf, std::vector<std::string>* list);

    KeyboardLayouts& platform_;
    std::shared_ptr<HookLink> hook_;
    std::array<std::string, 6> properties_;

    static TLanguageTable installed_;
    static int installedCount_;
};

}  // namespace components
