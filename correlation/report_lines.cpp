#include "report_lines.h"

#include "numbers.h"

namespace px::lines {

namespace {
// A blank stands where a plus sign would; one blank follows.
std::string signed_(const std::string& digits, bool negative) { return (negative ? "" : " ") + digits + ' '; }
}  // namespace

std::string number(double value) { return signed_(Str(value), value < 0); }
std::string number(float value) { return signed_(StrSingle(value), value < 0); }
std::string number(int value) { return signed_(Str(value), value < 0); }

}  // namespace px::lines
