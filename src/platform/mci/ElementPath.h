#pragma once
// The one place where an element name the program passes (a drive path such as
// c:\music\bach.mid) becomes the Linux path a driver opens.

#include <string>

namespace mci {

// Drive paths (short or long, any case) go through the path namespace; a path
// starting with '/' is already a Linux path. A name the namespace cannot map
// comes back as given, and its driver then reports the file as not found.
std::string ElementToLocalPath(const std::string& element);

}  // namespace mci
