// The own recipes: one store, created once at start-up and handed to every window that shows them
// or changes them. It is the only writer of the own-recipe file, knows each recipe by its stored
// identity (the row's ID), and tells every change through one notification, which the add-recipe
// window, the my-recipes window and the search window all subscribe to.
#pragma once
#include "data/connection.h"
#include "data/recipe_copy.h"
#include "data/subscription.h"
#include "personal/recipe_copies.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace personal {

// A recipe's stored identity: its row's ID. The file numbers rows once and never again, so an ID
// names one recipe for as long as it is stored, whatever is added, changed or deleted meanwhile.
using RecipeId = std::int64_t;

// A recipe as it is typed: between the checks and the write.
struct UserDetails {
    std::wstring Name;
    std::wstring Products;
    std::wstring Burn;
    bool operator==(const UserDetails&) const = default;
};

// A recipe in a list: its identity and its name.
struct RecipeEntry {
    RecipeId id = 0;
    std::wstring name;
    bool operator==(const RecipeEntry&) const = default;
};

// What the store tells its observers after each change it has made, once the change is on disk.
struct StoreChange {
    enum class Kind { Added, Changed, Deleted, Restored };
    Kind kind;
    RecipeId id = 0;  // the recipe added, changed or deleted; 0 after a restore, which may touch many
};

enum class ChangeOutcome { Changed, NameTaken };

std::wstring TableName();
std::wstring ProductsField();
std::wstring BurnField();

class RecipeStore {
public:
    // Opens the own-recipe file, Data\pelnor_myrecepies.rec under the current folder, for durable
    // writes. Throws base::Error naming what is wrong when the file is missing or is not a database,
    // refuses durable writes, or lacks the table or one of its fields.
    RecipeStore();
    RecipeStore(const RecipeStore&) = delete;
    RecipeStore& operator=(const RecipeStore&) = delete;

    const std::wstring& Path() const noexcept { return connection_.FullPath(); }
    // The windows' table objects read the file through this connection; only the store writes it.
    data::Connection& Connection() noexcept { return connection_; }

    // Every recipe in table order, the order the lists show. Throws base::Error at a row without a name.
    std::vector<RecipeEntry> List();
    // The recipe with this ID; nullopt when the file no longer has it.
    std::optional<UserDetails> Read(RecipeId id);

    // Each of the three writes is one transaction that holds the file's write lock from its check to
    // its end, so two copies of the program writing at the same moment never both take one name.
    // Add and Change refuse, with base::Error and before anything is written, a text that is empty,
    // a name longer than the table holds (counted in characters as the user sees them: a surrogate
    // pair is one) and a text with half of a surrogate pair, which the file cannot hold as typed.
    //
    // The new recipe's ID; nullopt when another recipe has that name exactly (same characters, same
    // case, same blanks): nothing is written then.
    std::optional<RecipeId> Add(const UserDetails& recipe);
    // Replaces the recipe's name, ingredients and method in its place. It may keep its own name;
    // NameTaken when another recipe has the new one, and nothing is written. Throws base::Error
    // when the file no longer has the recipe.
    ChangeOutcome Change(RecipeId id, const UserDetails& recipe);
    // Throws base::Error when the file no longer has the recipe: nothing is deleted then.
    void Delete(RecipeId id);

    // Writes a whole copy of the file to `target` (refusing the file itself); returns how many
    // recipes it holds. Throws base::Error in the program's words; `target` then stays as it was.
    std::size_t BackUp(const std::wstring& target);
    // What a restore of `copy` would find, counted against the file as it is now.
    RestoreCounts Compare(const std::vector<data::StoredRecipe>& copy);
    // Adds the new recipes and settles the differing ones as `choice` says, in one transaction: the
    // file holds all of it or, after any failure or a kill, none of it. Recipes of the copy are taken
    // in its order, so a name it holds twice is compared with the first one restored. Returns the
    // counts as found under the write lock. Told only when it wrote anything.
    RestoreCounts Restore(const std::vector<data::StoredRecipe>& copy, SharedName choice);

    // Called after every change the store has made, in whichever window or command it was asked for.
    data::Subscription OnChange(std::function<void(const StoreChange&)> observer);

private:
    data::Connection connection_;
    data::Signal<StoreChange> changed_;
};

}
