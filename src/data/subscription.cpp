// Observer bookkeeping for ChangeSignal and Subscription.
#include "data/subscription.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace data {

namespace detail {

struct Observer {
    std::function<void()> callback;
    bool subscribed = true;
};

struct ObserverList {
    std::vector<std::shared_ptr<Observer>> observers;
};

}  // namespace detail

Subscription::Subscription(std::weak_ptr<detail::ObserverList> list, std::shared_ptr<detail::Observer> observer)
    : list_(std::move(list)), observer_(std::move(observer))
{
}

Subscription& Subscription::operator=(Subscription&& other) noexcept
{
    if (this != &other) {
        Reset();
        list_ = std::move(other.list_);
        observer_ = std::move(other.observer_);
    }
    return *this;
}

Subscription::~Subscription()
{
    Reset();
}

void Subscription::Reset() noexcept
{
    if (!observer_)
        return;
    // A notification in progress holds its own copy of the list; the flag keeps it from calling us.
    observer_->subscribed = false;
    if (const auto list = list_.lock())
        std::erase(list->observers, observer_);
    observer_.reset();
    list_.reset();
}

ChangeSignal::ChangeSignal() : list_(std::make_shared<detail::ObserverList>()) {}

Subscription ChangeSignal::Subscribe(std::function<void()> callback)
{
    auto observer = std::make_shared<detail::Observer>(detail::Observer{std::move(callback)});
    list_->observers.push_back(observer);
    return Subscription(list_, std::move(observer));
}

void ChangeSignal::Notify() const
{
    const std::vector<std::shared_ptr<detail::Observer>> observers = list_->observers;
    std::exception_ptr first_failure;
    for (const auto& observer : observers) {
        if (!observer->subscribed)
            continue;
        try {
            observer->callback();
        } catch (...) {
            if (!first_failure)
                first_failure = std::current_exception();
        }
    }
    if (first_failure)
        std::rethrow_exception(first_failure);
}

}  // namespace data
