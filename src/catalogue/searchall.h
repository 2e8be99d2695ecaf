// The search window: one field and the recipes found as the user types, from the whole catalogue,
// the spice encyclopedia and the own recipes; a chosen result opens where it lives.
#pragma once
#include "catalogue/search_worker.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_view.h"

#include <functional>
#include <vector>

class TForm7 : public ui::Form {
public:
    explicit TForm7(catalogue::SearchSources sources);

    ui::Label Label1;
    ui::Edit Edit1;
    ui::Label Label2;
    ui::ListView ListView1;
    ui::ProgressBar ProgressBar1;

    // Opens a result where it lives; false when it is no longer there.
    std::function<bool(const catalogue::SearchResult&)> onOpen;

    // Shows the window with the field ready for a new query (the last one selected).
    void Execute();
    // The recipes may have changed: the shown query is asked again.
    void RecipesChanged();
    const std::vector<catalogue::SearchResult>& Results() const { return results_; }

    void Edit1Change();
    void ListView1Activate(int row);

protected:
    bool PreviewKey(const MSG& message) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OpenSelected();
    void ShowOutcome(catalogue::SearchOutcome outcome);
    void ShowProgress();
    void SetStatus(std::wstring_view text);

    std::vector<catalogue::SearchResult> results_;
    catalogue::SearchWorker worker_;
};
