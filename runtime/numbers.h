// The numeric runtime of the calculators: reading a field (Val), showing a result (Format and the text form of
// a number), Int, CInt, single-precision rounding, and checked arithmetic that throws a Fault at the step that
// faults.  Plain C++: no Qt here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fault.h"

namespace px {

// ---- Key filter -------------------------------------------------------------------------------------------------

// The characters a calculator field takes, and those a correlation-workbench field takes (no plus sign).
inline constexpr std::string_view kCalculatorKeys = "-+.0123456789";
inline constexpr std::string_view kWorkbenchKeys = "0123456789.-";

// True when a typed character passes the filter of a field with this alphabet: a character of the alphabet, or
// backspace (U+0008).  Everything else typed is discarded: comma, letters, blanks, Enter, control characters.
bool keyAccepted(char32_t ch, std::string_view alphabet) noexcept;

// ---- Reading and showing numbers -------------------------------------------------------------------------------

// The number at the start of a text.  Blanks, tabs and line feeds are skipped wherever they stand; an optional
// sign; digits with at most one full stop; an optional exponent (E or D, either case, optional sign, digits).
// Reading stops at the first character that does not fit; no digit read gives 0.  "&H…" and "&O…" read as
// hexadecimal and octal whole numbers.  A number beyond double range throws Fault(Overflow).
double Val(std::string_view text);

// The decimal separator that Format and the text form write (the user's regional one; "." until set).
void setDecimalSeparator(std::string separator);
const std::string& decimalSeparator();

// A value shown by one of the patterns "###.#", "##.#", "###.0", "#####", "0.000", "0.00".  "#" shows a digit or
// nothing, "0" a digit or a zero; the whole part shows all its digits; the separator is the regional one.  The
// value is rounded at the last decimal of the pattern from its exact binary value, halves away from zero; a value
// that rounds to zero in every shown digit is shown without a sign.  A non-finite value throws Fault(Overflow).
std::string Format(double value, std::string_view pattern);
// A result that a run never set is shown as an empty text.
std::string Format(std::optional<double> value, std::string_view pattern);

// The text form of a number: up to 15 significant digits, shortest form, regional separator, "0" before the
// separator of a value below 1, no trailing zeros, an exponent ("1E+16", "1E-05") outside 1E-4 ≤ |x| < 1E15.
std::string Str(double value);
// The same for a single-precision value: up to 7 significant digits (exponent from 1E7 up).
std::string StrSingle(float value);

// ---- Conversions -----------------------------------------------------------------------------------------------

// The floor: the largest whole number not above the value.
double Int(double value) noexcept;
// Rounded to a whole number, halves to even, as a 16-bit integer; outside -32768..32767 throws Fault(Overflow).
std::int16_t CInt(double value);
// Rounded to single precision; beyond single range throws Fault(Overflow).
float CSng(double value);
// An index into a table of `size` entries: throws Fault(IndexOutOfRange) unless 0 <= index < size.
std::size_t tableIndex(double index, std::size_t size);

// ---- Checked arithmetic ----------------------------------------------------------------------------------------

// Throws Fault(Overflow) when a result is not finite; returns it otherwise.  Underflow to 0 is no fault.
double checked(double result);

// A double whose every operation is checked: + - * / throw Overflow on a result beyond range, / throws
// DivisionByZero on a zero divisor.  The functions below throw on invalid arguments.  Sums and products keep the
// order in which they are written, so a formula reads as the procedure gives it:
//     Num D = Num(20) * ln(pw(f, k)) / ln(Num(10));
class Num {
public:
    constexpr Num() = default;
    constexpr Num(double v) : v_(v) {}  // NOLINT(google-explicit-constructor): literals mix with Nums freely
    constexpr double value() const { return v_; }
    constexpr explicit operator double() const { return v_; }

    Num& operator+=(Num o);
    Num& operator-=(Num o);
    Num& operator*=(Num o);
    Num& operator/=(Num o);

private:
    double v_ = 0.0;
};

Num operator+(Num a, Num b);
Num operator-(Num a, Num b);
Num operator*(Num a, Num b);
Num operator/(Num a, Num b);
Num operator-(Num a);
inline bool operator==(Num a, Num b) { return a.value() == b.value(); }
inline bool operator!=(Num a, Num b) { return a.value() != b.value(); }
inline bool operator<(Num a, Num b) { return a.value() < b.value(); }
inline bool operator<=(Num a, Num b) { return a.value() <= b.value(); }
inline bool operator>(Num a, Num b) { return a.value() > b.value(); }
inline bool operator>=(Num a, Num b) { return a.value() >= b.value(); }

Num ln(Num x);              // natural logarithm; x <= 0 throws InvalidArgument
Num sqrt(Num x);            // x < 0 throws InvalidArgument
Num pw(Num base, Num exp);  // base^exp; negative base with a fractional exponent throws InvalidArgument,
                            // 0 to a negative power throws DivisionByZero, a result beyond range Overflow
Num exp(Num x);             // overflow throws
Num sin(Num x);
Num cos(Num x);
Num tan(Num x);
Num atn(Num x);  // arctangent
Num abs(Num x);
Num Int(Num x);  // floor

}  // namespace px
