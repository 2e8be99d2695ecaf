// Backup and restore of the own recipes.
#include "personal/recipe_copies.h"

#include "base/error.h"
#include "data/recipe_copy.h"
#include "data/recipe_rows.h"
#include "data/transaction.h"
#include "personal/recipe_store.h"
#include "personal/texts.h"
#include "base/text.h"

#include <windows.h>

#include <functional>
#include <map>
#include <utility>

namespace personal {
namespace {

struct Current {
    std::int64_t rowid = 0;
    std::wstring products;
    std::wstring burn;
};

using ByName = std::map<std::wstring, Current>;

ByName ReadCurrent(data::Connection& connection)
{
    ByName current;
    data::ReadRecipes(connection, TableName(), [&](std::int64_t, data::RecipeRow row) {
        // The first of two rows with one name is the one a name lookup finds; a nameless row has
        // no name to share.
        if (row.name)
            current.try_emplace(*row.name, Current{row.rowid, std::move(row.products), std::move(row.burn)});
    });
    return current;
}

// The first `count` characters of `text`, a surrogate pair counted once and never split.
std::wstring FirstCharacters(const std::wstring& text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t taken = 0; end < text.size() && taken < count; ++taken)
        end += (IS_HIGH_SURROGATE(text[end]) && end + 1 < text.size() && IS_LOW_SURROGATE(text[end + 1])) ? 2 : 1;
    return text.substr(0, end);
}

// `name` with the suffix of the `number`-th kept copy, shortened to keep to the name limit.
std::wstring Suffixed(const std::wstring& name, int number)
{
    const std::wstring suffix = L" (" + std::wstring(kSuffixWord) + (number == 1 ? L"" : L" " + std::to_wstring(number)) + L")";
    return FirstCharacters(name, kMaxNameLength - suffix.size()) + suffix;
}

struct Actions {
    std::function<std::int64_t(const data::StoredRecipe&)> insert;
    std::function<void(std::int64_t rowid, const data::StoredRecipe&)> replace;
};

bool SameTexts(const Current& current, const data::StoredRecipe& recipe)
{
    return current.products == recipe.products && current.burn == recipe.burn;
}

// The copy's recipe added beside the file's under a suffixed name, unless an earlier restore kept
// both already: then the copy's recipe is there under one of those names.
void KeepBoth(ByName& current, const data::StoredRecipe& recipe, const Actions& act)
{
    data::StoredRecipe renamed = recipe;
    for (int number = 1;; ++number) {
        renamed.name = Suffixed(recipe.name, number);
        const auto kept = current.find(renamed.name);
        if (kept == current.end())
            break;
        if (SameTexts(kept->second, recipe))
            return;
    }
    current.emplace(renamed.name, Current{act.insert(renamed), renamed.products, renamed.burn});
}

// Walks the copy in order against the file's recipes, as they would stand after each step.
RestoreCounts Settle(ByName current, const std::vector<data::StoredRecipe>& copy, SharedName choice, const Actions& act)
{
    RestoreCounts counts;
    for (const auto& recipe : copy) {
        const auto found = current.find(recipe.name);
        if (found == current.end()) {
            ++counts.added;
            current.emplace(recipe.name, Current{act.insert(recipe), recipe.products, recipe.burn});
        } else if (SameTexts(found->second, recipe)) {
            ++counts.unchanged;
        } else {
            ++counts.differing;
            if (choice == SharedName::KeepBoth) {
                KeepBoth(current, recipe, act);
            } else if (choice == SharedName::TakeCopy) {
                act.replace(found->second.rowid, recipe);
                found->second.products = recipe.products;
                found->second.burn = recipe.burn;
            }
        }
    }
    return counts;
}

std::wstring SameFile(const std::wstring& path)
{
    wchar_t full[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(std::size(full)), full, nullptr);
    std::wstring result = length > 0 && length < std::size(full) ? std::wstring(full, length) : path;
    CharUpperBuffW(result.data(), static_cast<DWORD>(result.size()));
    return result;
}

}

std::wstring SuffixedName(const std::wstring& name, const std::set<std::wstring>& taken)
{
    for (int number = 1;; ++number) {
        std::wstring candidate = Suffixed(name, number);
        if (!taken.contains(candidate))
            return candidate;
    }
}

std::vector<data::StoredRecipe> ReadCopy(const std::wstring& path)
{
    std::vector<data::StoredRecipe> copy;
    try {
        copy = data::ReadRecipeFile(path, TableName());
    } catch (const base::Error& e) {
        throw base::Error(std::wstring(kCopyRefused) + e.Message() + std::wstring(kNothingChanged));
    }
    for (const auto& recipe : copy) {
        if (recipe.name.empty() || !base::IsWellFormed(recipe.name) || base::CountCodePoints(recipe.name) > kMaxNameLength)
            throw base::Error(std::wstring(kCopyBadName) + std::wstring(kNothingChanged));
    }
    return copy;
}

std::size_t RecipeStore::BackUp(const std::wstring& target)
{
    if (SameFile(target) == SameFile(Path()))
        throw base::Error(std::wstring(kBackUpIntoItself));
    try {
        return data::BackUp(connection_, target, TableName());
    } catch (const base::Error& e) {
        throw base::Error(std::wstring(kBackUpFailed) + e.Message());
    }
}

RestoreCounts RecipeStore::Compare(const std::vector<data::StoredRecipe>& copy)
{
    return Settle(ReadCurrent(connection_), copy, SharedName::KeepCurrent,
                  {[](const auto&) { return std::int64_t{0}; }, [](std::int64_t, const auto&) {}});
}

RestoreCounts RecipeStore::Restore(const std::vector<data::StoredRecipe>& copy, SharedName choice)
{
    const std::wstring table = TableName();
    RestoreCounts counts;
    bool written = false;
    {
        data::WriteTransaction transaction(connection_);
        counts = Settle(ReadCurrent(connection_), copy, choice,
                        {[&](const data::StoredRecipe& recipe) {
                             written = true;
                             return data::InsertRecipe(connection_, table, recipe);
                         },
                         [&](std::int64_t rowid, const data::StoredRecipe& recipe) {
                             written = true;
                             data::ReplaceRecipeTexts(connection_, table, rowid, recipe.products, recipe.burn);
                         }});
        transaction.Commit();
    }
    if (written)
        changed_.Notify({StoreChange::Kind::Restored});
    return counts;
}

}
