// Saving and copying a document.
#include "output/save.h"

#include "base/atomic_file.h"
#include "base/error.h"
#include "output/texts.h"

#include <algorithm>
#include <cwctype>

namespace output {
namespace {

std::wstring Lowered(std::wstring text)
{
    std::ranges::transform(text, text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

}

SavedAs TypeOf(const ui::FileChoice& choice)
{
    const auto slash = choice.path.find_last_of(L"\\/");
    const auto dot = choice.path.rfind(L'.');
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) {
        const std::wstring extension = Lowered(choice.path.substr(dot + 1));
        if (extension == L"htm" || extension == L"html")
            return SavedAs::Html;
        if (extension == L"txt")
            return SavedAs::Text;
    }
    return choice.filter == static_cast<int>(SavedAs::Html) ? SavedAs::Html : SavedAs::Text;
}

bool Save(ui::Dialogs& dialogs, HWND owner, const Document& document)
{
    const auto choice = dialogs.SaveFile(owner, {.title = std::wstring(kSaveTitle),
                                                 .fileName = FileNameFor(document.title, kUnnamedFile),
                                                 .filters = {{std::wstring(kTextFilter), L"*.txt"},
                                                             {std::wstring(kHtmlFilter), L"*.htm;*.html"}},
                                                 .defaultExtension = L"txt"});
    if (!choice)
        return false;
    const std::string bytes = TypeOf(*choice) == SavedAs::Html ? document.page : TextFileBytes(document.text);
    if (const auto failure = base::WriteFileAtomically(choice->path, bytes))
        throw base::Error(std::wstring(kSaveFailed) + choice->path + L"“: " + base::SystemReason(failure->code) + L".");
    return true;
}

void Copy(ui::Clipboard& clipboard, HWND owner, const Document& document)
{
    clipboard.SetText(owner, document.text);
}

}
