// "Something changed" notifications with observers that unsubscribe by dropping their token. A
// signal may hand its observers what changed (Signal<What>) or nothing (ChangeSignal).
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace data {

namespace detail {

struct Observer {
    bool subscribed = true;
    virtual ~Observer() = default;
};

struct ObserverList {
    std::vector<std::shared_ptr<Observer>> observers;
};

template <class... Args>
struct Callback final : Observer {
    explicit Callback(std::function<void(Args...)> f) : call(std::move(f)) {}
    std::function<void(Args...)> call;
};

}  // namespace detail

// Held by an observer; destroying (or resetting) it stops the notifications.
class Subscription {
public:
    Subscription() = default;
    Subscription(std::weak_ptr<detail::ObserverList> list, std::shared_ptr<detail::Observer> observer);
    Subscription(Subscription&& other) noexcept = default;
    Subscription& operator=(Subscription&& other) noexcept;
    ~Subscription();

    void Reset() noexcept;

private:
    std::weak_ptr<detail::ObserverList> list_;
    std::shared_ptr<detail::Observer> observer_;
};

// Observers may subscribe or unsubscribe (themselves or others) while being notified: one that
// unsubscribes is not called again, one that subscribes is first called on the next notification.
template <class... Args>
class Signal {
public:
    Subscription Subscribe(std::function<void(Args...)> callback)
    {
        auto observer = std::make_shared<detail::Callback<Args...>>(std::move(callback));
        list_->observers.push_back(observer);
        return Subscription(list_, std::move(observer));
    }

    // Calls every observer even if one throws; the first exception is rethrown afterwards.
    void Notify(const Args&... args) const
    {
        const std::vector<std::shared_ptr<detail::Observer>> observers = list_->observers;
        std::exception_ptr firstFailure;
        for (const auto& observer : observers) {
            if (!observer->subscribed)
                continue;
            try {
                static_cast<detail::Callback<Args...>&>(*observer).call(args...);
            } catch (...) {
                if (!firstFailure)
                    firstFailure = std::current_exception();
            }
        }
        if (firstFailure)
            std::rethrow_exception(firstFailure);
    }

private:
    std::shared_ptr<detail::ObserverList> list_ = std::make_shared<detail::ObserverList>();
};

using ChangeSignal = Signal<>;

}  // namespace data
