// Saving and copying a recipe.
#include "personal/recipe_save.h"

#include "data/messages.h"
#include "personal/texts.h"
#include "ui/error.h"

#include <algorithm>
#include <cwctype>
#include <memory>

namespace personal {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

[[noreturn]] void Fail(const std::wstring& path, DWORD error)
{
    throw ui::Error(std::wstring(kSaveFailed) + path + L"“: " + data::messages::SystemReason(error) + L".");
}

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

void ReplaceFile(const std::wstring& path, std::string_view bytes)
{
    const std::wstring partial = path + L".partial";
    {
        const HANDLE opened = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE)
            Fail(path, GetLastError());
        const FileHandle file(opened);
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written != bytes.size() ||
            !FlushFileBuffers(file.get())) {
            const DWORD error = GetLastError();
            DeleteFileW(partial.c_str());
            Fail(path, error);
        }
    }
    if (!MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(partial.c_str());
        Fail(path, error);
    }
}

bool SaveRecipe(ui::Dialogs& dialogs, HWND owner, const RecipeDocument& recipe)
{
    const auto choice = dialogs.SaveFile(owner, {.title = std::wstring(kSaveTitle),
                                                 .fileName = FileNameFor(recipe.name, kUnnamedFile),
                                                 .filters = {{std::wstring(kTextFilter), L"*.txt"},
                                                             {std::wstring(kHtmlFilter), L"*.htm;*.html"}},
                                                 .defaultExtension = L"txt"});
    if (!choice)
        return false;
    ReplaceFile(choice->path, TypeOf(*choice) == SavedAs::Html ? HtmlFileBytes(recipe) : TextFileBytes(recipe));
    return true;
}

void CopyRecipe(ui::Clipboard& clipboard, HWND owner, const RecipeDocument& recipe)
{
    clipboard.SetText(owner, PlainText(recipe));
}

}
