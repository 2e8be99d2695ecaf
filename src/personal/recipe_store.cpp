// The own-recipe table's operations.
#include "personal/recipe_store.h"

#include "catalogue/category_fill.h"
#include "data/transaction.h"
#include "personal/texts.h"
#include "string_ids.h"
#include "ui/error.h"
#include "ui/resource_text.h"
#include "base/text.h"

#include <utility>
#include <vector>

namespace personal {
namespace {

data::ChangeSignal& RecipesChanged()
{
    static data::ChangeSignal changed;
    return changed;
}

}

std::wstring TableName() { return ui::ResourceText(IDS_TABLE_MY_RECIPES); }
std::wstring NameField() { return ui::ResourceText(IDS_FIELD_NAME); }
std::wstring RecipeNameField() { return ui::ResourceText(IDS_FIELD_RECIPE_NAME); }
std::wstring ProductsField() { return ui::ResourceText(IDS_FIELD_PRODUCTS); }
std::wstring BurnField() { return ui::ResourceText(IDS_FIELD_BURN); }

void ListNames(data::Table& table, ui::ListBox& list)
{
    table.First();
    std::vector<std::wstring> names;
    catalogue::FillNames(table, list, names, [](int) {});
}

bool NameTaken(data::Table& table, const std::wstring& name)
{
    const std::wstring field = RecipeNameField();
    for (table.First(); !table.Eof(); table.Next()) {
        if (table.FieldText(field) == name)
            return true;
    }
    return false;
}

void Append(data::Table& table, const UserDetails& recipe)
{
    // A half of a surrogate pair would reach the file as another character than the one typed.
    for (const auto& [text, field] : {std::pair{&recipe.Name, kNameTitle}, std::pair{&recipe.Products, kProductsTitle},
                                      std::pair{&recipe.Burn, kMethodTitle}}) {
        if (!base::IsWellFormed(*text))
            throw ui::Error(L"Полето „" + std::wstring(field) + L"“ съдържа повреден знак (половин двойка UTF-16), който не "
                            L"може да бъде записан. Рецептата не е добавена");
    }
    const std::size_t length = base::CountCodePoints(recipe.Name);
    if (length > kMaxNameLength)
        throw ui::Error(L"Името на рецептата е дълго " + std::to_wstring(length) + L" знака; позволени са най-много " +
                        std::to_wstring(kMaxNameLength) + L". Рецептата не е добавена");
    table.Insert();
    table.SetFieldText(RecipeNameField(), recipe.Name);
    table.SetFieldText(ProductsField(), recipe.Products);
    table.SetFieldText(BurnField(), recipe.Burn);
    table.Post();
    RecipesChanged().Notify();
}

bool AddRecipe(data::Connection& connection, data::Table& table, const UserDetails& recipe)
{
    data::WriteTransaction transaction(connection);
    table.Refresh();
    if (NameTaken(table, recipe.Name))
        return false;
    try {
        Append(table, recipe);
        transaction.Commit();
    } catch (...) {
        transaction.Rollback();
        // The table took the row as stored; read again, it no longer lists a row the file lacks.
        // Should that read fail too, the add's own error is still the one to tell.
        try {
            table.Refresh();
        } catch (...) {
        }
        throw;
    }
    return true;
}

void DeleteAt(data::Table& table, int index, const std::wstring& listedName)
{
    table.Refresh();
    table.MoveToPosition(index > 0 ? static_cast<std::size_t>(index) : 0);
    if (table.Eof() || table.FieldText(RecipeNameField()) != listedName)
        throw ui::Error(L"Рецептата „" + listedName +
                        L"“ вече не е на това място във файла; нищо не е изтрито. Отворете прозореца отново");
    table.Delete();
    RecipesChanged().Notify();
}

data::Subscription OnRecipesChanged(std::function<void()> observer)
{
    return RecipesChanged().Subscribe(std::move(observer));
}

void NotifyRecipesChanged()
{
    RecipesChanged().Notify();
}

}
