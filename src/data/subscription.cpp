// A subscription's end: the observer leaves its signal's list.
#include "data/subscription.h"

#include <algorithm>

namespace data {

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

}  // namespace data
