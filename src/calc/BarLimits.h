#pragma once
// A face holds at most this many bars: the section design stops there, and the views print "**"
// for the count of a section that reached it.

namespace zel {

inline constexpr int kMaxBars = 100;

}  // namespace zel
