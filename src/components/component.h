// The base of the non-visual components: a component that refers to another asks to be told
// when that one is destroyed, so that no reference outlives its target.
#pragma once
#include <vector>

namespace components {

class TComponent {
public:
    TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    // `other` is told through Notification when this component is destroyed.
    void FreeNotification(TComponent& other);
    void RemoveFreeNotification(TComponent& other);

protected:
    // A component this one asked about is being destroyed.
    virtual void Notification(TComponent&) {}

private:
    std::vector<TComponent*> toNotify_;
    std::vector<TComponent*> watched_;
};

}
