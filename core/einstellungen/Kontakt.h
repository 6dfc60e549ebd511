#pragma once
#include <string>

namespace tarvis {

// The lines of the contact window: the version (a development build, whose
// version ends with "E", is marked " E") and whom to call about the product.
std::string KontaktVersion(const std::string& prgVersion);
std::string KontaktPersonen();

}  // namespace tarvis
