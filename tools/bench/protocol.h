// What the benchmark driver and the floor program agree on: the floor's window class and commands.
#pragma once

namespace bench {

inline constexpr const wchar_t* kFloorClass = L"BenchFloor";
inline constexpr unsigned kFloorFill = 1;
inline constexpr unsigned kFloorFind = 2;

}  // namespace bench
