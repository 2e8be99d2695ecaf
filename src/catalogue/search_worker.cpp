// The search thread: the index kept current, the catalogue and the own recipes searched, the
// newest results handed to the window.
#include "catalogue/search_worker.h"

#include "catalogue/search_query.h"
#include "data/connection.h"
#include "base/error.h"
#include "data/messages.h"
#include "data/recipe_rows.h"
#include "data/search_index.h"
#include "base/text.h"

#include <algorithm>
#include <map>
#include <utility>

namespace catalogue {

// Opened on the search thread when first needed and used there only.
struct SearchWorker::Connections {
    std::optional<data::Connection> catalogue;
    std::optional<data::RecipeReader> recipes;  // reads the catalogue
    std::optional<data::Connection> own;
    std::unique_ptr<data::SearchIndex> index;
    std::wstring indexFingerprint;
};

namespace {

struct Ranked {
    int part = 0;
    SearchResult result;
};

}

SearchWorker::SearchWorker(SearchSources sources, HWND window, UINT message)
    : sources_(std::move(sources)), window_(window), message_(message), thread_([this](std::stop_token stop) { Run(stop); })
{
}

SearchWorker::~SearchWorker()
{
    thread_.request_stop();
    wake_.notify_all();
}

void SearchWorker::Search(std::wstring text)
{
    {
        const std::lock_guard lock(mutex_);
        request_ = std::move(text);
        ++generation_;
    }
    wake_.notify_all();
}

std::optional<SearchOutcome> SearchWorker::TakeOutcome()
{
    const std::lock_guard lock(mutex_);
    if (outcomeGeneration_ != generation_.load())
        return std::nullopt;
    return std::exchange(outcome_, std::nullopt);
}

bool SearchWorker::Superseded(std::uint64_t generation, const std::stop_token& stop) const
{
    return stop.stop_requested() || generation_.load() != generation;
}

void SearchWorker::Run(std::stop_token stop)
{
    Connections connections;
    std::uint64_t answered = 0;
    while (!stop.stop_requested()) {
        std::wstring text;
        std::uint64_t generation = 0;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [&] { return generation_.load() != answered; }))
                return;
            generation = generation_.load();
            text = request_;
        }
        answered = generation;
        SearchOutcome outcome{.text = text};
        try {
            outcome = Answer(connections, text, generation, stop);
        } catch (const base::Error& error) {
            outcome.error = error.Message();
        } catch (const std::exception& error) {
            outcome.error = base::Widen(error.what());
        }
        if (Superseded(generation, stop))
            continue;
        {
            const std::lock_guard lock(mutex_);
            outcome_ = std::move(outcome);
            outcomeGeneration_ = generation;
        }
        PostMessageW(window_, message_, kOutcomeReady, 0);
    }
}

data::SearchIndex* SearchWorker::CurrentIndex(Connections& connections, const std::stop_token& stop)
{
    if (!connections.catalogue) {
        connections.catalogue.emplace(sources_.catalogueConnection);
        connections.recipes.emplace(*connections.catalogue);
    }
    data::Connection& catalogue = *connections.catalogue;
    const std::wstring fingerprint = data::CatalogueFingerprint(catalogue.FullPath());
    if (connections.index && connections.indexFingerprint == fingerprint)
        return connections.index.get();
    connections.index.reset();
    const std::wstring path = data::SearchIndexPath(catalogue.FullPath());
    connections.index = data::SearchIndex::OpenCurrent(path, fingerprint);
    if (!connections.index) {
        std::vector<std::wstring> tables;
        for (const auto& [table, place] : sources_.catalogueTables)
            tables.push_back(table);
        const auto report = [this](std::int64_t done, std::int64_t total) {
            const int perMille = total > 0 ? static_cast<int>(done * 1000 / total) : 1000;
            if (progress_.exchange(perMille) != perMille)
                PostMessageW(window_, message_, kProgressChanged, 0);
        };
        report(0, 1);
        // Typing on does not stop the build: only closing the program does.
        const bool built = data::SearchIndex::Build(catalogue, tables, path, fingerprint, report, [&] { return stop.stop_requested(); });
        progress_ = -1;
        PostMessageW(window_, message_, kProgressChanged, 0);
        if (!built)
            return nullptr;
        connections.index = data::SearchIndex::OpenCurrent(path, fingerprint);
        if (!connections.index)
            throw base::Error(data::messages::IndexUnreadable(path));
    }
    connections.indexFingerprint = fingerprint;
    return connections.index.get();
}

SearchOutcome SearchWorker::Answer(Connections& connections, const std::wstring& text, std::uint64_t generation,
                                   const std::stop_token& stop)
{
    SearchOutcome outcome{.text = text};
    data::SearchIndex* index = CurrentIndex(connections, stop);
    const SearchQuery query = ParseQuery(text);
    const std::wstring expression = MatchExpression(query);
    if (expression.empty()) {
        outcome.nothingRequired = true;
        return outcome;
    }
    if (!index || Superseded(generation, stop))
        return outcome;
    const auto hits = index->Search(expression, kMaxResults + 1, [&] { return Superseded(generation, stop); });
    if (!hits)
        return outcome;

    std::vector<Ranked> ranked;
    // Own recipes are few: read them all, each time, so that an add or delete shows at once.
    if (!connections.own)
        connections.own.emplace(sources_.ownConnection);
    data::ReadRecipes(*connections.own, sources_.ownTable, [&](std::int64_t ordinal, data::RecipeRow row) {
        if (!row.name)
            return;
        if (const auto part = MatchRecipe(query, *row.name, row.products, row.burn))
            ranked.push_back({static_cast<int>(*part),
                              {true, sources_.ownTable, ordinal, *row.name, sources_.ownPlace, MatchedLine(query, row.products, row.burn)}});
    });

    std::map<std::wstring, std::wstring> places(sources_.catalogueTables.begin(), sources_.catalogueTables.end());
    const data::ReadTransaction reading(*connections.catalogue);
    for (const auto& hit : *hits) {
        if (Superseded(generation, stop))
            return outcome;
        const auto row = connections.recipes->Read(hit.place.table, hit.place.rowid);
        if (!row || !row->name)
            continue;
        ranked.push_back({hit.part,
                          {false, hit.place.table, hit.place.ordinal, *row->name, places[hit.place.table],
                           MatchedLine(query, row->products, row->burn)}});
    }
    // By part; in each part the own recipes first, then the catalogue's best first.
    std::ranges::stable_sort(ranked, {}, &Ranked::part);
    outcome.more = ranked.size() > kMaxResults;
    for (auto& entry : ranked) {
        if (outcome.results.size() == kMaxResults)
            break;
        outcome.results.push_back(std::move(entry.result));
    }
    return outcome;
}

}
