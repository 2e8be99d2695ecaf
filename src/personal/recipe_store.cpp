// The own-recipe store: listing, reading, adding, changing and deleting by ID, and telling of it.
#include "personal/recipe_store.h"

#include "base/error.h"
#include "base/text.h"
#include "data/durability.h"
#include "data/messages.h"
#include "data/recipe_rows.h"
#include "data/transaction.h"
#include "personal/texts.h"
#include "string_ids.h"
#include "ui/resource_text.h"

#include <utility>

namespace personal {
namespace {

// Texts that must not be stored: empty ones, a name longer than the table holds, and a half of a
// surrogate pair, which would reach the file as another character than the one typed. `ending`
// says what was not done.
void CheckTexts(const UserDetails& recipe, std::wstring_view ending)
{
    for (const auto& [text, empty] : {std::pair{&recipe.Name, kEnterName}, std::pair{&recipe.Products, kEnterProducts},
                                      std::pair{&recipe.Burn, kEnterMethod}}) {
        if (text->empty())
            throw base::Error(std::wstring(empty));
    }
    for (const auto& [text, field] : {std::pair{&recipe.Name, kNameTitle}, std::pair{&recipe.Products, kProductsTitle},
                                      std::pair{&recipe.Burn, kMethodTitle}}) {
        if (!base::IsWellFormed(*text))
            throw base::Error(L"Полето „" + std::wstring(field) + L"“ съдържа повреден знак (половин двойка UTF-16), който не "
                              L"може да бъде записан. " + std::wstring(ending));
    }
    const std::size_t length = base::CountCodePoints(recipe.Name);
    if (length > kMaxNameLength)
        throw base::Error(L"Името на рецептата е дълго " + std::to_wstring(length) + L" знака; позволени са най-много " +
                          std::to_wstring(kMaxNameLength) + L". " + std::wstring(ending));
}

data::StoredRecipe Stored(const UserDetails& recipe)
{
    return {recipe.Name, recipe.Products, recipe.Burn};
}

[[noreturn]] void Gone(std::wstring_view ending)
{
    throw base::Error(std::wstring(kRecipeGone) + std::wstring(ending));
}

}

std::wstring TableName() { return ui::ResourceText(IDS_TABLE_MY_RECIPES); }
std::wstring ProductsField() { return ui::ResourceText(IDS_FIELD_PRODUCTS); }
std::wstring BurnField() { return ui::ResourceText(IDS_FIELD_BURN); }

RecipeStore::RecipeStore() : connection_(kAddRecipeConnection)
{
    data::RequireDurableWrites(connection_);
    data::RecipeFields(connection_.Handle(), TableName(), connection_.FullPath());
}

std::vector<RecipeEntry> RecipeStore::List()
{
    const std::wstring table = TableName();
    std::vector<RecipeEntry> entries;
    data::ReadRecipeNames(connection_, table, [&](std::int64_t rowid, std::optional<std::wstring> name) {
        if (!name)
            throw base::Error(data::messages::FieldIsNull(L"Name", table));
        entries.push_back({rowid, std::move(*name)});
    });
    return entries;
}

std::optional<UserDetails> RecipeStore::Read(RecipeId id)
{
    data::RecipeReader reader(connection_);
    auto row = reader.Read(TableName(), id);
    if (!row)
        return std::nullopt;
    return UserDetails{row->name.value_or(L""), std::move(row->products), std::move(row->burn)};
}

std::optional<RecipeId> RecipeStore::Add(const UserDetails& recipe)
{
    CheckTexts(recipe, kNotAdded);
    const std::wstring table = TableName();
    RecipeId id = 0;
    {
        data::WriteTransaction transaction(connection_);
        if (data::FindRecipeNamed(connection_, table, recipe.Name))
            return std::nullopt;
        id = data::InsertRecipe(connection_, table, Stored(recipe));
        transaction.Commit();
    }
    changed_.Notify({StoreChange::Kind::Added, id});
    return id;
}

ChangeOutcome RecipeStore::Change(RecipeId id, const UserDetails& recipe)
{
    CheckTexts(recipe, kNotChanged);
    const std::wstring table = TableName();
    {
        data::WriteTransaction transaction(connection_);
        if (data::FindRecipeNamed(connection_, table, recipe.Name, id))
            return ChangeOutcome::NameTaken;
        if (!data::UpdateRecipe(connection_, table, id, Stored(recipe)))
            Gone(kNotChanged);
        transaction.Commit();
    }
    changed_.Notify({StoreChange::Kind::Changed, id});
    return ChangeOutcome::Changed;
}

void RecipeStore::Delete(RecipeId id)
{
    {
        data::WriteTransaction transaction(connection_);
        if (!data::DeleteRecipe(connection_, TableName(), id))
            Gone(kNotDeleted);
        transaction.Commit();
    }
    changed_.Notify({StoreChange::Kind::Deleted, id});
}

data::Subscription RecipeStore::OnChange(std::function<void(const StoreChange&)> observer)
{
    return changed_.Subscribe(std::move(observer));
}

}
