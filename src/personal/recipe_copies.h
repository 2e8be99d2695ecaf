// Copies of the own recipes: a backup of the whole file, and a restore that compares a copy with
// the file, adds what is new and settles the recipes whose name is shared but whose text is not.
#pragma once
#include "data/connection.h"
#include "data/recipe_copy.h"

#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace personal {

// What to do with a recipe of the copy whose name the file has with other texts.
enum class SharedName {
    KeepBoth,     // the copy's is added under its name with a suffix
    TakeCopy,     // the file's recipe takes the copy's ingredients and method, keeping its place
    KeepCurrent,  // the copy's is left out
};

struct RestoreCounts {
    std::size_t added = 0;      // names the file does not have
    std::size_t unchanged = 0;  // the same name with the same texts
    std::size_t differing = 0;  // the same name with other texts
    bool operator==(const RestoreCounts&) const = default;
};

// Writes the copy to `target`; refuses the own-recipe file itself. Returns how many recipes the
// copy holds. Throws ui::Error in the program's words; a failure leaves `target` as it was.
std::size_t BackUp(data::Connection& connection, const std::wstring& target);

// The recipes of a copy or of any own-recipe file of the program. Throws ui::Error saying why a
// damaged or foreign file is refused.
std::vector<data::StoredRecipe> ReadCopy(const std::wstring& path);

// What a restore of `copy` would find, counted against the file as it is now.
RestoreCounts Compare(data::Connection& connection, const std::vector<data::StoredRecipe>& copy);

// Adds the new recipes and settles the differing ones as `choice` says, in one transaction: the
// file holds all of it or, after any failure or a kill, none of it. Recipes of the copy are taken
// in its order, so a name it holds twice is compared with the first one restored. Returns the
// counts as found under the write lock.
RestoreCounts Restore(data::Connection& connection, const std::vector<data::StoredRecipe>& copy, SharedName choice);

// `name` with " (копие)" or " (копие N)" added, shortened so that it keeps to the 50-character
// limit, and free among `taken`.
std::wstring SuffixedName(const std::wstring& name, const std::set<std::wstring>& taken);

}
