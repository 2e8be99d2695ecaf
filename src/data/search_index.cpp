// The search index file: its fingerprint check, its building and its queries.
#include "data/search_index.h"

#include "base/atomic_file.h"
#include "base/error.h"
#include "data/messages.h"
#include "base/text.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace data {
namespace {

// Changed whenever what the index holds or how it is laid out changes: an index of another
// format is built again. tools/build_content.py writes the same for the shipped one.
constexpr std::wstring_view kFormat = L"1";
// The recipe parts weigh in the ranking within each group in this proportion.
constexpr std::string_view kSearch =
    "SELECT p.tbl, p.row, p.ordinal, h.part FROM "
    "(SELECT rowid AS docid, velmora_part(recipes) AS part, bm25(recipes, 10.0, 3.0, 1.0) AS score "
    "FROM recipes WHERE recipes MATCH ?1 ORDER BY part, score LIMIT ?2) AS h "
    "JOIN places AS p ON p.docid = h.docid ORDER BY h.part, h.score";
// Virtual machine steps between two looks at whether to stop.
constexpr int kStepsBetweenChecks = 4000;
// Recipes indexed between two reports of progress.
constexpr std::int64_t kProgressEvery = 500;

// The lowest part (column) in which any phrase of the query occurs in the current row.
void FirstPart(const Fts5ExtensionApi* api, Fts5Context* fts, sqlite3_context* result, int, sqlite3_value**)
{
    int best = api->xColumnCount(fts);
    for (int phrase = 0; phrase < api->xPhraseCount(fts) && best > 0; ++phrase) {
        Fts5PhraseIter iterator;
        int column = -1;
        if (api->xPhraseFirstColumn(fts, phrase, &iterator, &column) != SQLITE_OK) {
            sqlite3_result_error(result, "velmora_part", -1);
            return;
        }
        if (column >= 0 && column < best)
            best = column;
    }
    sqlite3_result_int(result, best);
}

void AddRankingFunction(sqlite3* db)
{
    // The FTS5 interface is handed out as a pointer bound to a query, which Statement does not bind.
    fts5_api* api = nullptr;
    sqlite3_stmt* raw = nullptr;
    const bool prepared = sqlite3_prepare_v2(db, "SELECT fts5(?1)", -1, &raw, nullptr) == SQLITE_OK;
    const StatementHandle statement(raw);
    if (prepared) {
        sqlite3_bind_pointer(raw, 1, &api, "fts5_api_ptr", nullptr);
        sqlite3_step(raw);
    }
    if (!api || api->xCreateFunction(api, "velmora_part", nullptr, &FirstPart, nullptr) != SQLITE_OK)
        throw base::Error(messages::NoFullTextSearch(base::Widen(sqlite3_db_filename(db, "main"))));
}

// Stops a statement of `db` when `stop` says so, for as long as it lives.
class StopGuard {
public:
    StopGuard(sqlite3* db, const StopRequested& stop) : db_(db), stop_(stop)
    {
        sqlite3_progress_handler(db_, kStepsBetweenChecks, &StopGuard::Check, this);
    }
    ~StopGuard() { sqlite3_progress_handler(db_, 0, nullptr, nullptr); }
    StopGuard(const StopGuard&) = delete;
    StopGuard& operator=(const StopGuard&) = delete;

private:
    static int Check(void* self) { return static_cast<StopGuard*>(self)->stop_() ? 1 : 0; }
    sqlite3* db_;
    const StopRequested& stop_;
};

std::optional<std::wstring> Meta(sqlite3* db, std::wstring_view key)
{
    Statement read(db, "SELECT value FROM velmora_index WHERE key = ?1");
    read.Bind(1, key);
    return read.Step() ? read.Text(0) : std::nullopt;
}

// The catalogue's own spelling of each of `tables` that it has with the recipe fields, beside the
// program's: a table without them shows no recipes either.
std::vector<std::pair<std::wstring, std::wstring>> TablesOf(sqlite3* catalogue, const std::vector<std::wstring>& tables)
{
    std::vector<std::pair<std::wstring, std::wstring>> found;
    Statement find(catalogue, "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    Statement fields(catalogue, "SELECT count(*) FROM pragma_table_info(?1) WHERE lower(name) IN ('name', 'products', 'burn')");
    for (const auto& table : tables) {
        find.Bind(1, table);
        if (find.Step()) {
            const std::wstring stored = find.Text(0).value_or(table);
            fields.Bind(1, stored);
            if (fields.Step() && fields.Integer(0) == 3)
                found.emplace_back(table, stored);
            fields.Reset();
        }
        find.Reset();
    }
    return found;
}

// Thrown from inside a read to end it when the build is to stop.
struct Stopped {};

// Fills a new index file; false when stopped.
bool Fill(sqlite3* index, Connection& catalogue, const std::vector<std::wstring>& tables, std::wstring_view fingerprint,
          const std::function<void(std::int64_t, std::int64_t)>& progress, const StopRequested& stop)
{
    for (const char* sql : {"PRAGMA journal_mode = OFF", "PRAGMA synchronous = OFF",
                            "CREATE TABLE velmora_index (key TEXT PRIMARY KEY, value TEXT)",
                            "CREATE TABLE places (docid INTEGER PRIMARY KEY, tbl TEXT NOT NULL, row INTEGER NOT NULL, "
                            "ordinal INTEGER NOT NULL)",
                            "CREATE VIRTUAL TABLE recipes USING fts5(name, products, burn, content='', "
                            "tokenize='unicode61 remove_diacritics 0')",
                            "BEGIN"})
        Statement(index, sql).Run();
    const auto sources = TablesOf(catalogue.Handle(), tables);
    // Rows are about as many as their rowids span; counting them would read the whole catalogue once more.
    std::int64_t total = 0;
    for (const auto& [table, stored] : sources) {
        Statement span(catalogue.Handle(), "SELECT max(rowid) - min(rowid) + 1 FROM " + QuoteIdentifier(stored));
        total += span.Step() ? span.Integer(0) : 0;
    }
    progress(0, total);
    Statement addWords(index, "INSERT INTO recipes (rowid, name, products, burn) VALUES (?1, ?2, ?3, ?4)");
    Statement addPlace(index, "INSERT INTO places (docid, tbl, row, ordinal) VALUES (?1, ?2, ?3, ?4)");
    std::int64_t docid = 0;
    try {
        for (const auto& [table, stored] : sources) {
            // The texts go from the catalogue to the index as stored, without a conversion on the way.
            Statement rows(catalogue.Handle(), "SELECT rowid, name, Products, Burn FROM " + QuoteIdentifier(stored) + " ORDER BY rowid");
            for (std::int64_t ordinal = 0; rows.Step(); ++ordinal) {
                ++docid;
                addWords.Bind(1, docid).BindColumn(2, rows, 1).BindColumn(3, rows, 2).BindColumn(4, rows, 3).Run();
                addWords.Reset();
                addPlace.Bind(1, docid).Bind(2, table).Bind(3, rows.Integer(0)).Bind(4, ordinal).Run();
                addPlace.Reset();
                if (docid % kProgressEvery == 0) {
                    if (stop())
                        throw Stopped{};
                    progress(std::min(docid, total), total);
                }
            }
            if (stop())
                throw Stopped{};
        }
        const StopGuard guard(index, stop);
        // One segment makes every later search faster.
        Statement(index, "INSERT INTO recipes (recipes) VALUES ('optimize')").Run();
        if (stop())
            throw Stopped{};
    } catch (const Stopped&) {
        return false;
    }
    Statement meta(index, "INSERT INTO velmora_index (key, value) VALUES (?1, ?2)");
    meta.Bind(1, std::wstring_view(L"format")).Bind(2, kFormat).Run();
    meta.Reset();
    meta.Bind(1, std::wstring_view(L"catalogue")).Bind(2, fingerprint).Run();
    Statement(index, "COMMIT").Run();
    progress(total, total);
    return true;
}

}  // namespace

std::wstring SearchIndexPath(const std::wstring& cataloguePath)
{
    const std::size_t dot = cataloguePath.find_last_of(L'.');
    const std::size_t slash = cataloguePath.find_last_of(L"\\/");
    const bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    return (hasExtension ? cataloguePath.substr(0, dot) : cataloguePath) + L".idx";
}

std::wstring CatalogueFingerprint(const std::wstring& cataloguePath)
{
    const HANDLE file = CreateFileW(cataloguePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw base::Error(messages::FileNotFound(cataloguePath));
    std::array<unsigned char, 100> header{};
    DWORD read = 0;
    LARGE_INTEGER size{};
    FILETIME written{};
    const bool ok = ReadFile(file, header.data(), static_cast<DWORD>(header.size()), &read, nullptr) &&
                    GetFileSizeEx(file, &size) && GetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    if (!ok)
        throw base::Error(messages::FileNotFound(cataloguePath));
    const auto bigEndian = [&](std::size_t at) {
        return (std::uint32_t{header[at]} << 24) | (std::uint32_t{header[at + 1]} << 16) | (std::uint32_t{header[at + 2]} << 8) |
               std::uint32_t{header[at + 3]};
    };
    // Seconds since 1970, as the build's tools read a file's time too.
    const std::uint64_t ticks = (std::uint64_t{written.dwHighDateTime} << 32) | written.dwLowDateTime;
    const std::uint64_t seconds = ticks / 10'000'000 - 11'644'473'600ULL;
    return std::to_wstring(size.QuadPart) + L":" + std::to_wstring(seconds) + L":" + std::to_wstring(bigEndian(24)) + L":" +
           std::to_wstring(bigEndian(40));
}

SearchIndex::SearchIndex(DatabaseHandle db) : db_(std::move(db))
{
    Statement(db_.get(), "PRAGMA mmap_size = 268435456").Run();
    AddRankingFunction(db_.get());
}

std::unique_ptr<SearchIndex> SearchIndex::OpenCurrent(const std::wstring& path, std::wstring_view fingerprint)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return nullptr;
    try {
        DatabaseHandle db = OpenDatabase(path, SQLITE_OPEN_READONLY);
        if (Meta(db.get(), L"format") != kFormat || Meta(db.get(), L"catalogue") != fingerprint)
            return nullptr;
        return std::unique_ptr<SearchIndex>(new SearchIndex(std::move(db)));
    } catch (const base::Error&) {
        // Damaged, or not an index at all: it is built again.
        return nullptr;
    }
}

bool SearchIndex::Build(Connection& catalogue, const std::vector<std::wstring>& tables, const std::wstring& path,
                        std::wstring_view fingerprint, const std::function<void(std::int64_t, std::int64_t)>& progress,
                        const StopRequested& stop)
{
    std::optional<base::WriteFailure> failure;
    try {
        failure = base::MakeFileAtomically(path, [&](const std::wstring& partial) {
            DatabaseHandle index = OpenDatabase(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            const StopGuard guard(catalogue.Handle(), stop);
            if (!Fill(index.get(), catalogue, tables, fingerprint, progress, stop))
                throw Stopped{};
        });
    } catch (const Stopped&) {
        return false;
    } catch (const base::Error&) {
        if (stop())
            return false;
        throw;
    }
    if (failure)
        throw base::Error(messages::DatabaseFailed(path, base::SystemReason(failure->code)));
    return true;
}

std::optional<std::vector<IndexHit>> SearchIndex::Search(std::wstring_view expression, std::size_t limit, const StopRequested& stop)
{
    std::vector<IndexHit> hits;
    if (stop())
        return std::nullopt;
    try {
        const StopGuard guard(db_.get(), stop);
        Statement search(db_.get(), kSearch);
        search.Bind(1, expression).Bind(2, static_cast<std::int64_t>(limit));
        while (search.Step())
            hits.push_back({{search.Text(0).value_or(L""), search.Integer(1), search.Integer(2)}, static_cast<int>(search.Integer(3))});
    } catch (const base::Error&) {
        if (stop())
            return std::nullopt;
        throw;
    }
    return hits;
}

}  // namespace data
