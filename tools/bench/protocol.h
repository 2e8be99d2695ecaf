// What the benchmark driver and the floor program agree on: the floor's window class and commands.
#pragma once

namespace bench {

inline constexpr const wchar_t* kFloorClass = L"BenchFloor";
// The window of the floor's search, opened by its first kFloorIndex command.
inline constexpr const wchar_t* kFloorSearchClass = L"BenchFloorSearch";
inline constexpr unsigned kFloorFill = 1;
inline constexpr unsigned kFloorFind = 2;
// Builds the search index of the whole catalogue into kFloorIndexFile, as the cookbook builds its own.
inline constexpr unsigned kFloorIndex = 3;
inline constexpr const wchar_t* kFloorIndexFile = L"Data\\floor.idx";
// The floor searches its index for the text of its search window's edit at every change, before the
// change returns.

}  // namespace bench
