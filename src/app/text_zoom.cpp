// The zoom steps of the recipe text.
#include "app/text_zoom.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>

namespace app {
namespace {

// Each step about a fifth larger than the one before: a change the eye sees at once, and eight
// steps from the smallest to the largest.
constexpr std::array kSteps{9, 11, 13, 16, 19, 23, 27, 32};
static_assert(kSteps.front() == -kSmallestTextHeight && kSteps.back() == -kLargestTextHeight);
static_assert(std::ranges::find(kSteps, -kStandardTextHeight) != kSteps.end());

// Stored heights may be positive (cell heights): the steps go by the magnitude.
int Magnitude(int height)
{
    return static_cast<int>(std::min<long long>(std::llabs(static_cast<long long>(height)), kSteps.back() + 1));
}

}

int LargerTextHeight(int height)
{
    const auto next = std::ranges::upper_bound(kSteps, Magnitude(height));
    return next == kSteps.end() ? height : -*next;
}

int SmallerTextHeight(int height)
{
    const auto below = std::ranges::lower_bound(kSteps, Magnitude(height));
    return below == kSteps.begin() ? height : -*std::prev(below);
}

}
