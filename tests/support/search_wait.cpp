// Waiting for the search window's results.
#include "support/search_wait.h"

#include "catalogue/search_texts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace test_support {

void WaitForSearch(ui::Application& app, TForm7& search)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    const auto busy = [&] {
        const std::wstring status = search.Label2.Text();
        return status.empty() || status == catalogue::kSearching || status == catalogue::kBuilding;
    };
    while (busy() && std::chrono::steady_clock::now() < deadline) {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_FALSE(busy()) << "no results within 30 seconds";
}

}
