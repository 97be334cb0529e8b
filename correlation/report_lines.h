// The lines of a printed report as plain data: each line a list of items, a text written as it stands or a tab to a
// character column (from 1).  A number item is the number's text form (7 significant digits for a single-precision
// value, 15 for a double, digits for a whole number) with a blank in place of a plus sign and one blank after.
//
// A computation hands each line to a sink the moment it is complete: a fault further on leaves the lines before it
// printed.  An empty line has no items.
//
// A text item that the user reads is marked PX_TRANSLATE_NOOP("Correlation", …): it stays the Italian source here,
// and the screen's printer shows it translated.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace px::lines {

struct Item {
    enum Kind : std::uint8_t { Text, Tab };
    Kind kind = Text;
    std::string text;  // Text: what is written, UTF-8
    int column = 1;    // Tab: the character column, from 1
};
using Line = std::vector<Item>;
using LineSink = std::function<void(const Line&)>;

// The text of a number item: " 1.5 ", "-2 ".
std::string number(double value);  // double precision: up to 15 significant digits
std::string number(float value);   // single precision: up to 7 significant digits
std::string number(int value);     // a whole number held as an integer
inline std::string number(std::int16_t value) { return number(static_cast<int>(value)); }

inline Item txt(std::string t) { return {Item::Text, std::move(t), 1}; }
template <class T>
Item num(T value) {
    return {Item::Text, number(value), 1};
}
inline Item tab(int column) { return {Item::Tab, std::string(), column}; }

}  // namespace px::lines
