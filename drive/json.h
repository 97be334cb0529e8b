// The JSON of the driver's answers and of the texts in its drawing files.
#pragma once

#include <string>
#include <vector>

namespace px {

// A string as a JSON string literal.
std::string jsonString(const std::string& text);
// Strings as a JSON array of string literals.
std::string jsonArray(const std::vector<std::string>& items);

}  // namespace px
