// A test's application object with scripted dialogs, run in a fresh scratch folder that becomes
// the current folder, as the program's data paths are relative to it.
#pragma once
#include "support/own_desktop.h"
#include "support/scratch_folder.h"
#include "support/scripted_dialogs.h"
#include "ui/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace test_support {

class AppTest : public ::testing::Test {
protected:
    AppTest();
    // Error texts the top-level handler showed (boxes with the error icon).
    std::vector<std::wstring> Errors() const;

    OwnDesktop desktop;
    ScratchFolder folder;
    ScriptedDialogs dialogs;
    ui::Application app{dialogs};
};

}
