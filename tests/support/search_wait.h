// Waiting for the search window's results, as its thread hands them over.
#pragma once
#include "catalogue/searchall.h"
#include "ui/application.h"

namespace test_support {

// Lets the windows work on until the search window shows the outcome of the last request: its
// status line, cleared by the caller before asking, is set and is no longer the "searching" or
// "building" one. Fails the test after 30 seconds.
void WaitForSearch(ui::Application& app, TForm7& search);

}
