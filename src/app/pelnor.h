// The main window: recipe list, the two recipe views, the menu bar with the whole command set,
// and the status bar.
#pragma once
#include "settings/settings_file.h"
#include "components/sx_tray_icon.h"
#include "data/connection.h"
#include "bound/db_memo.h"
#include "data/table.h"
#include "personal/recipe_commands.h"
#include "ui/commands.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/find_dialog.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"

#include <memory>
#include <optional>

namespace catalogue {
struct Category;
struct SearchResult;
}
class TForm7;

class TForm1 : public ui::Form {
public:
    // The appearance settings come from and go to `settings`; the tray icon talks to `trayShell`;
    // the recipe on screen is copied and printed through `output`.
    explicit TForm1(settings::SettingsFile settings, components::TrayShell& trayShell = components::Win32TrayShell::Instance(),
                    personal::OutputServices output = {});
    ~TForm1() override;

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
    void ProletExecute();
    void LiatoExecute();
    void EsenExecute();
    void ZimaExecute();
    void ZakuskiExecute();
    void SupiExecute();
    void PrediastieExecute();
    void IastiaExecute();
    void DesertiExecute();
    void HolidayExecute();
    void NationalExecute();
    void MyRecepiesExecute();
    void EnciklopediaExecute();
    void colorExecute();
    void ReadmeExecute();
    void AboutExecute();
    void AddrecepiesExecute();
    void suvetiExecute();
    void FindExecute();
    void TortiExecute();
    void sladkishiExecute();
    void PostniSladkiExecute();
    void DrebnisladkiExecute();
    void KokteiliExecute();
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
    // The recipe selected in the list, with the category it is listed in; nullopt with none selected.
    std::optional<personal::RecipeDocument> RecipeOnScreen() const;

protected:
    void FormClose() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnMenuCommand(UINT id) override;
    bool PreviewKey(const MSG& message) override;
    bool PreviewMouseWheel(const MSG& message) override;
    void OnSize(int width, int height) override;

private:
    void AddCommands();
    void BuildMenuBar();
    void BuildPopupMenu1();
    void SetUpSxTrayIcon1();
    void FormCreate();
    void FillCategory(const catalogue::Category& category);
    void ShowHint(UINT itemId, UINT flags);
    void SetViewsColor(ui::Color color);
    void SetViewsFont(const ui::FontSpec& font);
    void ZoomTo(int height);

    settings::SettingsFile settings_;
    // ListBox1's entries as the last fill listed them, for the search.
    std::vector<std::wstring> listedNames_;
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
    personal::OutputServices output_;
    // The category the list shows.
    std::wstring shownPlace_;
    std::unique_ptr<TForm7> searchForm_;
    data::Subscription ownRecipesChanged_;
};
