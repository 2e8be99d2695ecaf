// "Something changed" notifications with observers that unsubscribe by dropping their token.
#pragma once

#include <functional>
#include <memory>

namespace data {

namespace detail {
struct Observer;
struct ObserverList;
}  // namespace detail

// Held by an observer; destroying (or resetting) it stops the notifications.
class Subscription {
public:
    Subscription() = default;
    Subscription(Subscription&& other) noexcept = default;
    Subscription& operator=(Subscription&& other) noexcept;
    ~Subscription();

    void Reset() noexcept;

private:
    friend class ChangeSignal;
    Subscription(std::weak_ptr<detail::ObserverList> list, std::shared_ptr<detail::Observer> observer);

    std::weak_ptr<detail::ObserverList> list_;
    std::shared_ptr<detail::Observer> observer_;
};

// Observers may subscribe or unsubscribe (themselves or others) while being notified: one that
// unsubscribes is not called again, one that subscribes is first called on the next notification.
class ChangeSignal {
public:
    ChangeSignal();

    Subscription Subscribe(std::function<void()> callback);
    // Calls every observer even if one throws; the first exception is rethrown afterwards.
    void Notify() const;

private:
    std::shared_ptr<detail::ObserverList> list_;
};

}  // namespace data
