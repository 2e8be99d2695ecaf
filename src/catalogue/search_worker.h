// The search over the whole catalogue and the own recipes, run on a thread of its own so that
// typing never waits for it: each new request supersedes the one still running, which stops at
// its next look, and only the newest request's results are handed over. The thread also builds
// the catalogue's index when it has none or an outdated one, telling its progress.
//
// SQLite is built multi-threaded (SQLITE_THREADSAFE=2, scripts/third-party.sh): a connection may
// be used by one thread at a time. The thread opens every connection it uses and no other thread
// touches them; the user-interface thread keeps its own.
#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace data {
class SearchIndex;
}

namespace catalogue {

struct SearchResult {
    bool own = false;     // an own recipe, else one of the catalogue
    std::wstring table;   // the catalogue table it lives in
    std::int64_t ordinal = 0;  // its place in that table's row order
    std::wstring name;
    std::wstring where;   // as the user reads it: the category, "Подправки" or "Моите Рецепти"
    std::wstring line;    // what matched: an ingredient line or words of the method
};

struct SearchOutcome {
    std::wstring text;                 // the query the results are for
    std::vector<SearchResult> results; // best first
    bool more = false;                 // there were more than the results hold
    bool nothingRequired = false;      // the query names no word that must be in a recipe
    std::wstring error;                // why the search failed, when it did
};

// Where the search looks: the connection strings and the tables, each catalogue table with what
// the user calls its place.
struct SearchSources {
    std::wstring catalogueConnection;
    std::vector<std::pair<std::wstring, std::wstring>> catalogueTables;  // table, place
    std::wstring ownConnection;
    std::wstring ownTable;
    std::wstring ownPlace;
};

// The most results one search hands over.
inline constexpr std::size_t kMaxResults = 200;

class SearchWorker {
public:
    // `window` is posted `message` with wParam kOutcomeReady when results wait in TakeOutcome, and
    // kProgressChanged when the index build has moved on (BuildProgress).
    enum Notice : WPARAM { kOutcomeReady = 0, kProgressChanged = 1 };
    SearchWorker(SearchSources sources, HWND window, UINT message);
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    // Searches for `text` in place of anything asked before.
    void Search(std::wstring text);
    // The results of the newest request, once; nullopt when they are not ready (or were taken).
    std::optional<SearchOutcome> TakeOutcome();
    // Per mille of the index built; -1 while no index is being built.
    int BuildProgress() const { return progress_.load(); }

private:
    struct Connections;

    void Run(std::stop_token stop);
    SearchOutcome Answer(Connections& connections, const std::wstring& text, std::uint64_t generation,
                         const std::stop_token& stop);
    // The index of the catalogue as it is now, built first when missing or outdated; null when the
    // build was stopped.
    data::SearchIndex* CurrentIndex(Connections& connections, const std::stop_token& stop);
    bool Superseded(std::uint64_t generation, const std::stop_token& stop) const;

    const SearchSources sources_;
    const HWND window_;
    const UINT message_;
    std::atomic<int> progress_{-1};
    std::atomic<std::uint64_t> generation_{0};
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::wstring request_;      // guarded by mutex_
    std::optional<SearchOutcome> outcome_;  // guarded by mutex_
    std::uint64_t outcomeGeneration_ = 0;   // guarded by mutex_
    std::jthread thread_;  // last: stopped and joined before the rest goes
};

}
