// The search window.
#include "catalogue/searchall.h"

#include "catalogue/search_texts.h"

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 440;
constexpr int kMargin = 12;
constexpr int kInnerWidth = kClientWidth - 2 * kMargin;
constexpr int kProgressMaximum = 1000;
// The search thread's notices to the window.
constexpr UINT kSearchNotice = WM_APP + 40;

}

TForm7::TForm7(catalogue::SearchSources sources)
    : ui::Form({.className = L"TForm7",
                .caption = std::wstring(catalogue::kSearchCaption),
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight}),
      Label1({.parent = Handle(), .bounds = {kMargin, 12}, .text = std::wstring(catalogue::kSearchPrompt)}),
      Edit1({.parent = Handle(), .bounds = {kMargin, 30, kInnerWidth, 22}, .flat = false, .maxLength = 255}),
      Label2({.parent = Handle(), .bounds = {kMargin, 58, kInnerWidth, 30}, .transparent = false}),
      ListView1({.parent = Handle(),
                 .bounds = {kMargin, 90, kInnerWidth, 316},
                 .columns = {{std::wstring(catalogue::kColumnRecipe), 210},
                             {std::wstring(catalogue::kColumnWhere), 150},
                             {std::wstring(catalogue::kColumnLine), 250}}}),
      ProgressBar1({.parent = Handle(), .bounds = {kMargin, 414, kInnerWidth, 16}, .maximum = kProgressMaximum}),
      worker_(std::move(sources), Handle(), kSearchNotice)
{
    ProgressBar1.SetVisible(false);
    Edit1.onChange = [this] { Edit1Change(); };
    ListView1.onActivate = [this](int row) { ListView1Activate(row); };
    // The index is checked (and built when it must be) while the user starts typing.
    worker_.Search(L"");
}

void TForm7::Execute()
{
    Show();
    SetForegroundWindow(Handle());
    Edit1.SetFocus();
    SendMessageW(Edit1.Handle(), EM_SETSEL, 0, -1);
}

void TForm7::RecipesChanged()
{
    worker_.Search(Edit1.Text());
}

void TForm7::Edit1Change()
{
    worker_.Search(Edit1.Text());
    if (worker_.BuildProgress() < 0)
        SetStatus(catalogue::kSearching);
}

void TForm7::ListView1Activate(int row)
{
    if (row < 0 || row >= static_cast<int>(results_.size()) || !onOpen)
        return;
    if (!onOpen(results_[static_cast<std::size_t>(row)]))
        SetStatus(catalogue::kRecipeGone);
}

void TForm7::OpenSelected()
{
    int row = ListView1.SelectedIndex();
    if (row < 0 && !results_.empty())
        row = 0;
    ListView1Activate(row);
}

bool TForm7::PreviewKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN)
        return false;
    switch (message.wParam) {
    case VK_ESCAPE:
        Close();
        return true;
    case VK_RETURN:
        OpenSelected();
        return true;
    case VK_DOWN:
        // From the field down into the results.
        if (message.hwnd == Edit1.Handle() && !results_.empty()) {
            ListView1.SetFocus();
            if (ListView1.SelectedIndex() < 0)
                ListView1.Select(0);
            return true;
        }
        return false;
    case VK_UP:
        // From the first result back up into the field.
        if (message.hwnd == ListView1.Handle() && ListView1.SelectedIndex() <= 0) {
            Edit1.SetFocus();
            return true;
        }
        return false;
    }
    return false;
}

LRESULT TForm7::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kSearchNotice)
        return ui::Form::HandleMessage(message, wParam, lParam);
    if (wParam == catalogue::SearchWorker::kProgressChanged)
        ShowProgress();
    else if (auto outcome = worker_.TakeOutcome())
        ShowOutcome(std::move(*outcome));
    return 0;
}

void TForm7::ShowProgress()
{
    const int progress = worker_.BuildProgress();
    ProgressBar1.SetVisible(progress >= 0);
    if (progress >= 0) {
        ProgressBar1.SetPosition(progress);
        SetStatus(catalogue::kBuilding);
    }
}

void TForm7::ShowOutcome(catalogue::SearchOutcome outcome)
{
    results_ = std::move(outcome.results);
    std::vector<std::vector<std::wstring>> rows;
    rows.reserve(results_.size());
    for (const auto& result : results_)
        rows.push_back({result.name, result.where, result.line});
    ListView1.SetRows(std::move(rows));
    if (!outcome.error.empty())
        SetStatus(outcome.error);
    else if (outcome.nothingRequired)
        SetStatus(Edit1.Text().find_first_not_of(L" \t") == std::wstring::npos ? catalogue::kTypeWords : catalogue::kOnlyExcluded);
    else if (results_.empty())
        SetStatus(catalogue::kNothingFound);
    else
        SetStatus(catalogue::FoundText(results_.size(), outcome.more));
}

void TForm7::SetStatus(std::wstring_view text)
{
    Label2.SetText(std::wstring(text));
}
