// Moving to a position lands where First and then Next steps land, with one notification.
#include "data/connection.h"
#include "data/table.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

TEST(TableMoveToPosition, LandsWhereFirstAndNextStepsLandWithOneNotification)
{
    test_support::ScratchFolder folder;
    test_support::MakeDatabase(L"t.rec", "CREATE TABLE t (name TEXT);"
                                         "INSERT INTO t VALUES ('a'), ('b'), ('c');");
    data::Connection connection(test_support::JetConnectionString(L"t.rec"));
    data::Table stepped(connection);
    data::Table moved(connection);
    for (data::Table* table : {&stepped, &moved}) {
        table->SetTableName(L"t");
        table->Open();
    }
    int notifications = 0;
    auto subscription = moved.OnChange([&] { ++notifications; });
    for (std::size_t position : {0u, 1u, 2u, 3u, 7u}) {
        stepped.First();
        for (std::size_t step = 0; step < position; ++step)
            stepped.Next();
        moved.Next();
        notifications = 0;
        moved.MoveToPosition(position);

        EXPECT_EQ(moved.Eof(), stepped.Eof()) << position;
        EXPECT_EQ(moved.FieldValue(L"name"), stepped.FieldValue(L"name")) << position;
        EXPECT_EQ(notifications, 1) << position;
    }
}

}
