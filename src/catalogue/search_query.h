// A search over whole recipes as the user types it: words that must all be in the recipe (each by
// its beginning, in the name, the ingredients or the method), words that must not ("-яйца",
// "без яйца"), and what a found recipe shows of why it was found.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// One typed word with its readings: a word of the text matches when it begins with any of them.
struct SearchTerm {
    std::vector<std::wstring> forms;  // folded; the word as typed first
};

struct SearchQuery {
    std::vector<SearchTerm> required;
    std::vector<SearchTerm> excluded;
};

SearchQuery ParseQuery(std::wstring_view text);

// The query as a full-text MATCH expression: every required term as prefixes of its forms, the
// excluded ones after NOT. Empty when no word is required.
std::wstring MatchExpression(const SearchQuery& query);

// The parts of a recipe, in the order the results rank them.
enum class RecipePart { Name = 0, Products = 1, Burn = 2 };

// nullopt unless every required term is somewhere in the recipe and no excluded one is; else the
// first part that holds a required term.
std::optional<RecipePart> MatchRecipe(const SearchQuery& query, std::wstring_view name, std::wstring_view products,
                                      std::wstring_view burn);

// What a result shows of why it was found: the first ingredient line holding a required term, or
// a few words of the method around the first one; empty when neither holds one.
std::wstring MatchedLine(const SearchQuery& query, std::wstring_view products, std::wstring_view burn);

}
