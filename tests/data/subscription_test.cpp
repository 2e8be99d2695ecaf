// ChangeSignal: observers that come and go while being notified, and observers that fail.
#include "data/subscription.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(DataSubscriptionTest, ObserverRemovedDuringNotificationIsNotCalled)
{
    data::ChangeSignal signal;
    std::vector<std::string> calls;
    data::Subscription second;
    const data::Subscription first = signal.Subscribe([&] {
        calls.push_back("first");
        second.Reset();
    });
    second = signal.Subscribe([&] { calls.push_back("second"); });
    signal.Notify();
    signal.Notify();
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "first"}));
}

TEST(DataSubscriptionTest, ObserverMayDropItsOwnSubscription)
{
    data::ChangeSignal signal;
    int calls = 0;
    std::optional<data::Subscription> self;
    self = signal.Subscribe([&] {
        ++calls;
        self.reset();
    });
    signal.Notify();
    signal.Notify();
    EXPECT_EQ(calls, 1);
}

TEST(DataSubscriptionTest, ObserverAddedDuringNotificationWaitsForTheNext)
{
    data::ChangeSignal signal;
    int late_calls = 0;
    std::vector<data::Subscription> late;
    const data::Subscription adder = signal.Subscribe([&] { late.push_back(signal.Subscribe([&] { ++late_calls; })); });
    signal.Notify();
    EXPECT_EQ(late_calls, 0);
    signal.Notify();
    EXPECT_EQ(late_calls, 1);
}

TEST(DataSubscriptionTest, AFailingObserverDoesNotStopTheOthers)
{
    data::ChangeSignal signal;
    int calls = 0;
    const data::Subscription failing = signal.Subscribe([] { throw std::runtime_error("first failure"); });
    const data::Subscription counting = signal.Subscribe([&] { ++calls; });
    EXPECT_THROW(signal.Notify(), std::runtime_error);
    EXPECT_EQ(calls, 1);
}

}  // namespace
