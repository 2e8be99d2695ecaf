// The main window: recipe list, the two recipe views, the menu bar with the whole command set,
// and the status bar.
#pragma once
#include "settings/settings_file.h"
#include "components/sx_tray_icon.h"
#include "data/connection.h"
#include "bound/db_memo.h"
#include "data/table.h"
#include "catalogue/categories.h"
#include "catalogue/recipe_browser.h"
#include "output/services.h"
#include "ui/commands.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/find_dialog.h"
#include "ui/menu.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"

#include <memory>
#include <optional>
#include <vector>

namespace catalogue {
struct SearchResult;
}
namespace personal {
class RecipeStore;
}
class TForm7;

class TForm1 : public ui::Form {
public:
    // The appearance settings come from and go to `settings`; the tray icon talks to `trayShell`;
    // the recipe on screen is copied and printed through `output`.
    explicit TForm1(settings::SettingsFile settings, components::TrayShell& trayShell = components::Win32TrayShell::Instance(),
                    output::Services output = {});
    ~TForm1() override;

    // The own recipes, which start-up opens after this window: the backup and restore commands work
    // on them, and the search window hears of their changes. Given before any command runs.
    void UseOwnRecipes(personal::RecipeStore& store);

    // Status bar panels: 0 the highlighted command's hint, 1 the catalogue text.
    enum Panel { kHintPanel = 0, kCataloguePanel = 1 };

    ui::MenuPictures ImageList1;
    ui::CommandSet ActionManager1;
    ui::PopupMenu PopupMenu1;
    components::TSxTrayIcon SxTrayIcon1;
    ui::Panel Panel1;
    ui::Picture Image1;
    ui::Label Label1;
    ui::Label Label2;
    ui::Label Label3;
    ui::ListBox ListBox1;
    bound::DbMemo DBMemo1;
    bound::DbMemo DBMemo2;
    ui::StatusBar StatusBar;
    data::Connection ADOConnection1;
    data::Table ADOTable1;
    ui::FindDialog FindDialog;
    // The index of the next list entry the search examines.
    std::int32_t FindPos = 0;

    void IzhodExecute();
    // Every category's command (Prolet, Liato… Kokteili and Enciklopedia): lists its recipes.
    void CategoryExecute(const catalogue::Category& category);
    void MyRecepiesExecute();
    void colorExecute();
    void ReadmeExecute();
    void AboutExecute();
    void AddrecepiesExecute();
    void suvetiExecute();
    void FindExecute();
    void SearchAllExecute();
    void FindNextExecute();
    // The recipe list's and views' text one step larger or smaller, or back to the standard size.
    void ZoomInExecute();
    void ZoomOutExecute();
    void ZoomResetExecute();
    void PechatExecute();
    void ZapishiExecute();
    void KopiraiExecute();
    void KopieExecute();
    void VazstanoviExecute();

    void ListBox1Click();
    void FindDialogFind();
    void Minimize();
    void N4Click();
    void N5Click();
    void SxTrayIcon1Click();
    // Opens a result of the search window where it lives; false when it is no longer there.
    bool OpenSearchResult(const catalogue::SearchResult& result);
    // The search window, once the command has opened it.
    TForm7* SearchForm() const { return searchForm_.get(); }

protected:
    void FormClose() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnMenuCommand(UINT id) override;
    bool PreviewKey(const MSG& message) override;
    bool PreviewMouseWheel(const MSG& message) override;
    void OnSize(int width, int height) override;

private:
    void AddCommands();
    std::vector<ui::MenuItem> CategoryItems(catalogue::MenuPlace place) const;
    void BuildMenuBar();
    void BuildPopupMenu1();
    void SetUpSxTrayIcon1();
    void FormCreate();
    void ShowHint(UINT itemId, UINT flags);
    void SetViewsFont(const ui::FontSpec& font);
    void ZoomTo(int height);

    settings::SettingsFile settings_;
    // The recipe list, its views and the commands that take the recipe on screen out of the program.
    catalogue::RecipeBrowser browser_;
    ui::FontSpec viewsFont_;
    // Whether the views show the stored colour (or one chosen since) and the stored font; what they
    // do not show is not written back at close.
    bool storedColorShown_ = false;
    bool storedFontShown_ = false;
    ui::FontHandle viewsFontHandle_;
    // The part of a wheel notch turned with Ctrl held that has not made a zoom step yet.
    int wheelDelta_ = 0;
    // The colour dialog starts on the colour last confirmed in it and keeps its custom colours for the run.
    COLORREF lastPickedColor_ = RGB(0, 0, 0);
    ui::CustomColors customColors_{};
    personal::RecipeStore* ownRecipes_ = nullptr;
    std::unique_ptr<TForm7> searchForm_;
    data::Subscription ownRecipesChanged_;
};
