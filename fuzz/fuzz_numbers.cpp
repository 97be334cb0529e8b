// Reading and showing numbers with arbitrary text: nothing may crash, and what is shown must read back.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numbers.h"

namespace {

constexpr std::string_view kPatterns[] = {"###.#", "##.#", "###.0", "#####", "0.000", "0.00"};

void require(bool condition) {
    if (!condition) std::abort();
}

void show(double value, std::string_view text) {
    for (std::string_view pattern : kPatterns) {
        const std::string shown = px::Format(value, pattern);
        // Three decimals read back within half a thousandth while doubles still hold the thousandths.
        if (pattern == "0.000" && std::fabs(value) < 1e9) require(std::fabs(px::Val(shown) - value) <= 0.000501);
    }
    if (text.size() <= 24) px::Format(value, text);  // any short text as a pattern

    // Fifteen digits read back within twice their rounding; only the largest doubles round up beyond range.
    const std::string form = px::Str(value);
    try {
        require(std::fabs(px::Val(form) - value) <= std::fabs(value) * 2e-14);
    } catch (const px::Fault&) {
        require(std::fabs(value) > 1.7976931348623e308);
    }

    try {
        px::StrSingle(px::CSng(value));
    } catch (const px::Fault&) {
    }
    try {
        px::CInt(value);
    } catch (const px::Fault&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = px::Val(text);
    } catch (const px::Fault& fault) {
        require(fault.kind() == px::FaultKind::Overflow);  // the only fault of reading a number
        return 0;
    }
    require(std::isfinite(value));
    show(value, text);
    return 0;
}
