// Removal notices between components.
#include "components/component.h"

#include <algorithm>

namespace components {

TComponent::~TComponent()
{
    const auto toNotify = std::move(toNotify_);
    toNotify_.clear();
    for (TComponent* other : toNotify) {
        std::erase(other->watched_, this);
        other->Notification(*this);
    }
    for (TComponent* target : watched_)
        std::erase(target->toNotify_, this);
}

void TComponent::FreeNotification(TComponent& other)
{
    if (&other == this || std::ranges::find(toNotify_, &other) != toNotify_.end())
        return;
    toNotify_.push_back(&other);
    other.watched_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent& other)
{
    std::erase(toNotify_, &other);
    std::erase(other.watched_, this);
}

}
