// The sizes the main window's recipe list and views step through when the cook makes their text
// larger or smaller. Heights are character heights in pixels of a 96 dpi screen, as the settings
// file stores them (negative: without internal leading).
#pragma once

namespace app {

// The standard height, and the smallest and largest the steps reach.
inline constexpr int kStandardTextHeight = -11;
inline constexpr int kSmallestTextHeight = -9;
inline constexpr int kLargestTextHeight = -32;

// The next step up or down from `height`, which need not be a step itself (a hand-edited file);
// at the end of the steps the height stays.
int LargerTextHeight(int height);
int SmallerTextHeight(int height);

}
