// The backup and restore commands.
#include "personal/backup_commands.h"

#include "personal/recipe_copies.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "ui/application.h"
#include "ui/boxes.h"

#include <optional>
#include <string>

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

// Shows what the copy holds against the file and asks what to do: nullopt when nothing is to be
// restored, by the user's answer or because the copy holds nothing the file lacks.
std::optional<SharedName> AskWhatToRestore(HWND owner, std::size_t total, const RestoreCounts& counts)
{
    const std::wstring countsText = CountsText(total, counts);
    if (counts.added == 0 && counts.differing == 0) {
        ui::Inform(owner, countsText + L"\n\n" + std::wstring(kNothingToRestore));
        return std::nullopt;
    }
    if (counts.differing == 0)
        return ui::AskYes(owner, countsText + L"\n\n" + std::wstring(kRestoreQuestion)) ? std::optional(SharedName::KeepCurrent)
                                                                                        : std::nullopt;
    const SharedName choice = AskSharedName(owner, countsText);
    if (counts.added == 0 && choice == SharedName::KeepCurrent)
        return std::nullopt;
    return choice;
}

std::wstring RestoredText(const RestoreCounts& done, SharedName choice, const std::wstring& kept)
{
    std::wstring report = std::wstring(kRestored) + std::to_wstring(done.added);
    if (choice == SharedName::KeepBoth && done.differing > 0)
        report += std::wstring(kRestoredBoth) + std::to_wstring(done.differing);
    if (choice == SharedName::TakeCopy && done.differing > 0)
        report += std::wstring(kRestoredTaken) + std::to_wstring(done.differing) + std::wstring(kKeptBefore) + kept +
                  std::wstring(kKeptBeforeEnd);
    return report;
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

void BackUpCommand(RecipeStore& store, HWND owner)
{
    const auto target = DialogService().SaveFile(owner, {.title = std::wstring(kBackUpTitle),
                                                         .fileName = std::wstring(kCopyFileName),
                                                         .filters = CopyFilters(),
                                                         .defaultExtension = std::wstring(kCopyExtension)});
    if (!target)
        return;
    const std::size_t count = store.BackUp(target->path);
    ui::Tell(std::wstring(kBackedUp) + target->path + std::wstring(kBackedUpHolds) + std::to_wstring(count) +
             std::wstring(kBackedUpRecipes));
}

void RestoreCommand(RecipeStore& store, HWND owner)
{
    const auto source = DialogService().OpenFile(owner, {.title = std::wstring(kRestoreTitle), .filters = CopyFilters()});
    if (!source)
        return;
    const auto copy = ReadCopy(source->path);
    const auto choice = AskWhatToRestore(owner, copy.size(), store.Compare(copy));
    if (!choice)
        return;
    // Texts the copy's replace are not lost: the file as it was is kept beside it first.
    std::wstring kept;
    if (*choice == SharedName::TakeCopy) {
        kept = KeptBeforeRestore(store.Path());
        store.BackUp(kept);
    }
    ui::Tell(RestoredText(store.Restore(copy, *choice), *choice, kept));
}

}
