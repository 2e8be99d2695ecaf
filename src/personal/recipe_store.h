// The own-recipe table's operations, performed by each window on its own table object: listing,
// the name check, append, and delete by ordinal. Rows are known by their place in table order.
#pragma once
#include "data/connection.h"
#include "data/subscription.h"
#include "data/table.h"
#include "ui/controls.h"

#include <string>
#include <string_view>

namespace personal {

// A recipe between the add checks and the insert.
struct UserDetails {
    std::wstring Name;
    std::wstring Products;
    std::wstring Burn;
};

std::wstring TableName();
std::wstring NameField();       // the listing's "name"
std::wstring RecipeNameField(); // the name check's and the insert's "Name"
std::wstring ProductsField();
std::wstring BurnField();

// One list entry per row in table order, from the first row; the cursor ends at the end.
void ListNames(data::Table& table, ui::ListBox& list);
// Exact, case-sensitive equality with no trimming; stops at the first equal row.
bool NameTaken(data::Table& table, const std::wstring& name);
// Stores the recipe as one committed row. A name longer than the table holds (in characters as
// the user sees them: a surrogate pair is one) and a text with half of a surrogate pair, which the
// file cannot hold as typed, are refused with an error before anything is written.
void Append(data::Table& table, const UserDetails& recipe);
// The add: the name check and, when the name is free, the append, as one write transaction that
// holds the file's write lock from before the check, so that two copies of the program adding
// one name at the same moment store it once. The table is read again under the lock first. False
// when the name is taken: nothing is written then.
bool AddRecipe(data::Connection& connection, data::Table& table, const UserDetails& recipe);
// Deletes the row of list entry `index`. The table is read again first, so rows deleted through
// another connection no longer count; when the row at that place does not carry the listed name,
// or the file no longer has it, the delete is refused with an error and nothing is removed.
void DeleteAt(data::Table& table, int index, const std::wstring& listedName);

// Called after every append or delete that succeeded, whichever window made it.
data::Subscription OnRecipesChanged(std::function<void()> observer);
// Tells the observers of a change made in one go outside the operations above (a restore).
void NotifyRecipesChanged();

}
