// Copies of the own recipes: what a restore may do with a recipe whose name the file already has,
// what it counts, and a copy read and checked before anything is restored from it. The store
// (recipe_store.h) backs the file up and restores it.
#pragma once
#include "data/recipe_copy.h"

#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace personal {

// What to do with a recipe of a copy whose name the file has with other texts.
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

// The recipes of a copy or of any own-recipe file of the program. Throws base::Error saying why a
// damaged or foreign file is refused.
std::vector<data::StoredRecipe> ReadCopy(const std::wstring& path);

// `name` with " (копие)" or " (копие N)" added, shortened so that it keeps to the 50-character
// limit, and free among `taken`.
std::wstring SuffixedName(const std::wstring& name, const std::set<std::wstring>& taken);

}
