// The main window test fixture.
#include "support/main_window_fixture.h"

namespace test_support {

TForm1& MainWindowFixture::OpenMainWindow(const std::vector<CatalogueTable>& catalogue)
{
    WriteCatalogue(catalogue);
    form_ = std::make_unique<TForm1>(settings::SettingsFile(SettingsPath()));
    return *form_;
}

TForm1& MainWindowFixture::ReopenMainWindow()
{
    form_.reset();
    form_ = std::make_unique<TForm1>(settings::SettingsFile(SettingsPath()));
    return *form_;
}

std::wstring MainWindowFixture::SettingsPath() const
{
    return (folder.Path() / L"velmora.ini").wstring();
}

void MainWindowFixture::RunCommand(std::wstring_view name)
{
    SendMessageW(form_->Handle(), WM_COMMAND, MAKEWPARAM(form_->ActionManager1.Get(name).id, 0), 0);
}

void MainWindowFixture::ChooseEntry(int index)
{
    const HWND list = form_->ListBox1.Handle();
    form_->ListBox1.Select(index);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::vector<std::wstring> MainWindowFixture::Entries() const
{
    std::vector<std::wstring> entries;
    for (int index = 0; index < form_->ListBox1.Count(); ++index)
        entries.push_back(form_->ListBox1.Item(index));
    return entries;
}

}
