// A test with the main window open on a catalogue of the test's own, and the user's ways of driving it.
#pragma once
#include "app/pelnor.h"
#include "support/app_fixture.h"
#include "support/catalogue_db.h"

#include <memory>
#include <string>
#include <vector>

namespace test_support {

class MainWindowFixture : public AppTest {
protected:
    // Writes the catalogue, then creates the main window with its settings file in the scratch folder.
    TForm1& OpenMainWindow(const std::vector<CatalogueTable>& catalogue);
    // Closes the window's connections and creates it again on the same files, as a restart does.
    TForm1& ReopenMainWindow();
    TForm1& Form() { return *form_; }
    std::wstring SettingsPath() const;

    // As the menu does: WM_COMMAND with the command's ID.
    void RunCommand(std::wstring_view name);
    // As the user does in the list: the entry becomes selected and the list box reports the change.
    void ChooseEntry(int index);
    std::vector<std::wstring> Entries() const;

private:
    std::unique_ptr<TForm1> form_;
};

}
