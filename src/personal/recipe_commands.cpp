// The output, backup and restore commands.
#include "personal/recipe_commands.h"

#include "data/connection.h"
#include "data/durability.h"
#include "personal/boxes.h"
#include "personal/recipe_copies.h"
#include "personal/recipe_print.h"
#include "personal/recipe_save.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "ui/application.h"

#include <string>
#include <utility>

namespace personal {
namespace {

ui::Dialogs& DialogService()
{
    return ui::Application::Current().DialogService();
}

std::vector<ui::FileFilter> CopyFilters()
{
    return {{std::wstring(kCopyFilter), L"*." + std::wstring(kCopyExtension)}, {std::wstring(kAllFilesFilter), L"*.*"}};
}


std::wstring CountsText(std::size_t total, const RestoreCounts& counts)
{
    return std::wstring(kCopyHolds) + std::to_wstring(total) + std::wstring(kCopyRecipes) + std::wstring(kCountNew) +
           std::to_wstring(counts.added) + std::wstring(kCountUnchanged) + std::to_wstring(counts.unchanged) +
           std::wstring(kCountDiffering) + std::to_wstring(counts.differing);
}

// The user's choice for the recipes that share a name; Esc or closing the box keeps the current ones.
SharedName AskSharedName(HWND owner, const std::wstring& counts)
{
    const int answer = DialogService().MessageWithButtons(
        owner, counts + L"\n\n" + std::wstring(kDifferingQuestion), std::wstring(kRestoreTitle),
        MB_CANCELTRYCONTINUE | MB_ICONQUESTION | MB_DEFBUTTON3,
        {{IDTRYAGAIN, std::wstring(kKeepBothButton)}, {IDCONTINUE, std::wstring(kTakeCopyButton)},
         {IDCANCEL, std::wstring(kKeepCurrentButton)}});
    switch (answer) {
    case IDTRYAGAIN: return SharedName::KeepBoth;
    case IDCONTINUE: return SharedName::TakeCopy;
    default: return SharedName::KeepCurrent;
    }
}

}

std::wstring KeptBeforeRestore(const std::wstring& ownFile)
{
    const auto dot = ownFile.rfind(L'.');
    const auto slash = ownFile.find_last_of(L"\\/");
    const bool extension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    return (extension ? ownFile.substr(0, dot) : ownFile) + std::wstring(kBeforeRestoreSuffix) +
           (extension ? ownFile.substr(dot) : L"");
}

std::optional<RecipeDocument> RecipeShown(const ui::ListBox& list, const data::Table& table, std::wstring place)
{
    const int index = list.SelectedIndex();
    if (index < 0 || !table.Active() || table.Eof())
        return std::nullopt;
    return RecipeDocument{.name = list.Item(index),
                          .place = std::move(place),
                          .products = table.FieldValue(ProductsField()).value_or(L""),
                          .burn = table.FieldValue(BurnField()).value_or(L"")};
}

void SaveCommand(HWND owner, const std::optional<RecipeDocument>& shown)
{
    if (!shown)
        return Inform(owner, kNoRecipeShown);
    SaveRecipe(DialogService(), owner, *shown);
}

void CopyCommand(ui::Clipboard& clipboard, HWND owner, const std::optional<RecipeDocument>& shown)
{
    if (!shown)
        return Inform(owner, kNoRecipeShown);
    CopyRecipe(clipboard, owner, *shown);
}

void PrintCommand(ui::Printing& printing, HWND owner, const std::optional<RecipeDocument>& shown)
{
    if (!shown)
        return Inform(owner, kNoRecipeShown);
    PrintRecipe(printing, owner, *shown);
}

void BackUpCommand(HWND owner)
{
    const auto target = DialogService().SaveFile(owner, {.title = std::wstring(kBackUpTitle),
                                                         .fileName = std::wstring(kCopyFileName),
                                                         .filters = CopyFilters(),
                                                         .defaultExtension = std::wstring(kCopyExtension)});
    if (!target)
        return;
    data::Connection connection(kMyRecipesConnection);
    data::RequireDurableWrites(connection);
    const std::size_t count = BackUp(connection, target->path);
    Tell(std::wstring(kBackedUp) + target->path + std::wstring(kBackedUpHolds) + std::to_wstring(count) +
         std::wstring(kBackedUpRecipes));
}

bool RestoreCommand(HWND owner)
{
    const auto source = DialogService().OpenFile(owner, {.title = std::wstring(kRestoreTitle), .filters = CopyFilters()});
    if (!source)
        return false;
    const auto copy = ReadCopy(source->path);
    data::Connection connection(kMyRecipesConnection);
    data::RequireDurableWrites(connection);
    const RestoreCounts counts = Compare(connection, copy);
    const std::wstring countsText = CountsText(copy.size(), counts);
    if (counts.added == 0 && counts.differing == 0) {
        Inform(owner, countsText + L"\n\n" + std::wstring(kNothingToRestore));
        return false;
    }
    SharedName choice = SharedName::KeepCurrent;
    if (counts.differing > 0) {
        choice = AskSharedName(owner, countsText);
        if (counts.added == 0 && choice == SharedName::KeepCurrent)
            return false;
    } else if (!AskYes(owner, countsText + L"\n\n" + std::wstring(kRestoreQuestion))) {
        return false;
    }
    // Texts the copy's replace are not lost: the file as it was is kept beside it first.
    std::wstring kept;
    if (choice == SharedName::TakeCopy) {
        kept = KeptBeforeRestore(connection.FullPath());
        BackUp(connection, kept);
    }
    const RestoreCounts done = Restore(connection, copy, choice);
    std::wstring report = std::wstring(kRestored) + std::to_wstring(done.added);
    if (choice == SharedName::KeepBoth && done.differing > 0)
        report += std::wstring(kRestoredBoth) + std::to_wstring(done.differing);
    if (choice == SharedName::TakeCopy && done.differing > 0)
        report += std::wstring(kRestoredTaken) + std::to_wstring(done.differing) + std::wstring(kKeptBefore) + kept +
                  std::wstring(kKeptBeforeEnd);
    Tell(report);
    return true;
}

}
