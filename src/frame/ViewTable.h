#pragma once
// The seven fixed views: for each view command, the elements it shows. The
// console is always shown; every element not listed is hidden.

#include <span>

namespace frame {

// The elements view command 17900 + n shows (empty for Alt+7), or an empty span
// for any other command. The lists keep the element table's order.
std::span<const int> ViewElements(int viewCommand);

}  // namespace frame
