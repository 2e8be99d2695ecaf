// The full-text index of the catalogue: a file of its own beside it (the catalogue is never
// written), made for one state of the catalogue and rebuilt when the catalogue changes. It holds
// the words of every recipe's name, ingredients and method, and where each recipe lives.
#pragma once

#include "data/connection.h"
#include "data/sqlite_handle.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace data {

// The index file beside a catalogue: the catalogue's name with ".idx" for its extension.
std::wstring SearchIndexPath(const std::wstring& cataloguePath);

// What tells one state of a catalogue file from another without reading all of it: its size and
// last write, and the change counter and schema cookie of its header. Throws base::Error when the
// file cannot be read.
std::wstring CatalogueFingerprint(const std::wstring& cataloguePath);

// Where an indexed recipe lives: its table, its row, and its place in the table's row order.
struct IndexedRecipe {
    std::wstring table;
    std::int64_t rowid = 0;
    std::int64_t ordinal = 0;
};

struct IndexHit {
    IndexedRecipe place;
    int part = 0;  // 0 the name, 1 the ingredients, 2 the method: the first that holds a searched word
};

// Says whether the work in progress is to stop; asked often while an index is built or searched.
using StopRequested = std::function<bool()>;

class SearchIndex {
public:
    // The index at `path` when it was made for `fingerprint`; null when there is none, or one
    // made for another state of the catalogue or by another version of the program.
    static std::unique_ptr<SearchIndex> OpenCurrent(const std::wstring& path, std::wstring_view fingerprint);

    // Indexes every recipe (fields name, Products, Burn) of `tables` in `catalogue`, which it only
    // reads; a table the catalogue lacks, or one without those fields, is left out. The file at
    // `path` is replaced only by a complete index. `progress` gets the recipes done and the total
    // now and then. Returns false, leaving no new file, when `stop` asked it to end.
    static bool Build(Connection& catalogue, const std::vector<std::wstring>& tables, const std::wstring& path,
                      std::wstring_view fingerprint, const std::function<void(std::int64_t, std::int64_t)>& progress,
                      const StopRequested& stop);

    // The best `limit` recipes that match a MATCH expression: those with a searched word in the
    // name first, then in the ingredients, then the rest, each group best first. nullopt when
    // `stop` ended the search.
    std::optional<std::vector<IndexHit>> Search(std::wstring_view expression, std::size_t limit, const StopRequested& stop);

private:
    explicit SearchIndex(DatabaseHandle db);

    DatabaseHandle db_;
};

}  // namespace data
