#pragma once
// The one place where an element name the program passes (a drive path such as
// c:\music\bach.mid) becomes the Linux path a driver opens.

#include <string>

namespace mci {

// Drive paths: z: is the root directory and c: the home directory; any other
// drive is left as given (its driver will not find it). A path without a drive
// is taken as a Linux path.
std::string ElementToLocalPath(const std::string& element);

}  // namespace mci
