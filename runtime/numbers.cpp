// Reading and showing numbers, the conversions and checked arithmetic.
//
// Everything here is independent of the C locale: numbers are converted with <charconv>, which always reads and
// writes the full stop, and the regional separator is put in afterwards.  So a process that switched its C locale
// to Italian still reads "1.5" as one and a half.
#include "numbers.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>
#include <utility>

namespace px {

// ---- Key filter -------------------------------------------------------------------------------------------------

bool keyAccepted(char32_t ch, std::string_view alphabet) noexcept {
    if (ch == U'\b') return true;
    if (ch == 0 || ch >= 0x80) return false;  // the alphabets are plain ASCII
    return alphabet.find(static_cast<char>(ch)) != std::string_view::npos;
}

// ---- Val --------------------------------------------------------------------------------------------------------

namespace {

// Walks a text left to right, stepping over blanks, tabs and line ends wherever they stand.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    // The next character that is not a blank, or -1 at the end of the text.
    int peek() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
    }
    void advance() { ++pos_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(int c) { return c >= '0' && c <= '9'; }

int digitValue(int c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9') {
        d = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        d = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        d = c - 'A' + 10;
    }
    return d < base ? d : -1;
}

// "&H…" and "&O…": a whole number of at most 32 bits.  A value that fits in 16 bits is a 16-bit signed integer
// (&HFFFF is -1), a larger one a 32-bit signed integer (&HFFFFFFFF is -1, &H10000 is 65536).
double readRadix(Reader& in, int base) {
    std::uint64_t value = 0;
    for (int c = in.peek(); digitValue(c, base) >= 0; c = in.peek()) {
        in.advance();
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digitValue(c, base));
        if (value > 0xFFFFFFFFu) throw Fault(FaultKind::Overflow);
    }
    if (value <= 0xFFFFu) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Exponents beyond this are all alike: far beyond double range either way.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

double readDecimal(Reader& in) {
    bool negative = false;
    int c = in.peek();
    if (c == '+' || c == '-') {
        negative = c == '-';
        in.advance();
    }

    std::string digits;
    std::int64_t wholeDigits = 0;
    bool point = false;
    for (c = in.peek();; c = in.peek()) {
        if (isDigit(c)) {
            digits.push_back(static_cast<char>(c));
            if (!point) ++wholeDigits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        in.advance();
    }
    if (digits.empty()) return 0.0;

    // The exponent counts only when a digit follows the letter and its sign; otherwise the number ends before it.
    std::int64_t exponent = 0;
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        const std::size_t beforeLetter = in.position();
        in.advance();
        bool negativeExponent = false;
        c = in.peek();
        if (c == '+' || c == '-') {
            negativeExponent = c == '-';
            in.advance();
            c = in.peek();
        }
        if (isDigit(c)) {
            for (; isDigit(c); c = in.peek()) {
                in.advance();
                if (exponent < kExponentCap) exponent = exponent * 10 + (c - '0');
            }
            if (negativeExponent) exponent = -exponent;
        } else {
            in.rewind(beforeLetter);
        }
    }

    // The value is 0.<significant digits> × 10^order; the conversion of that text is correctly rounded.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0.0;
    const std::size_t last = digits.find_last_not_of('0');
    const std::int64_t order = wholeDigits - static_cast<std::int64_t>(first) + exponent;
    if (order > 400) throw Fault(FaultKind::Overflow);
    if (order < -400) return 0.0;

    std::string text = "0.";
    text.append(digits, first, last - first + 1);
    text.push_back('e');
    std::array<char, 24> orderText{};
    const auto orderEnd = std::to_chars(orderText.data(), orderText.data() + orderText.size(), order).ptr;
    text.append(orderText.data(), orderEnd);

    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (order > 0) throw Fault(FaultKind::Overflow);
        return 0.0;  // too small to represent
    }
    if (error != std::errc() || !std::isfinite(value)) throw Fault(FaultKind::Overflow);
    return negative ? -value : value;
}

}  // namespace

double Val(std::string_view text) {
    Reader in(text);
    if (in.peek() == '&') {
        in.advance();
        const int kind = in.peek();
        if (kind == 'H' || kind == 'h') {
            in.advance();
            return readRadix(in, 16);
        }
        if (kind == 'O' || kind == 'o') {
            in.advance();
            return readRadix(in, 8);
        }
        return 0.0;
    }
    return readDecimal(in);
}

// ---- Decimal separator ------------------------------------------------------------------------------------------

namespace {
std::string& separatorSetting() {
    static std::string separator = ".";
    return separator;
}
}  // namespace

void setDecimalSeparator(std::string separator) { separatorSetting() = std::move(separator); }
const std::string& decimalSeparator() { return separatorSetting(); }

// ---- Format -----------------------------------------------------------------------------------------------------

namespace {

// A pattern read as: the count of '0' before the point (the least count of whole digits shown), whether it has a
// point, and the decimal places after it, each '#' (shown unless it and every place after it are zero) or '0'
// (always shown).  Other characters are ignored, and so is every point after the first.
struct Pattern {
    std::size_t wholeZeros = 0;
    bool point = false;
    std::string places;
};

Pattern readPattern(std::string_view text) {
    Pattern pattern;
    for (char c : text) {
        if (c == '.') {
            pattern.point = true;
        } else if (c == '#' || c == '0') {
            if (pattern.point) {
                pattern.places.push_back(c);
            } else if (c == '0') {
                ++pattern.wholeZeros;
            }
        }
    }
    return pattern;
}

// Every double is an integer times a power of two no smaller than 2^-1074, so this many decimals write it exactly.
constexpr int kExactDecimals = 1074;

}  // namespace

std::string Format(double value, std::string_view patternText) {
    if (!std::isfinite(value)) throw Fault(FaultKind::Overflow);
    const Pattern pattern = readPattern(patternText);
    const std::size_t places = pattern.places.size();

    // The exact decimal expansion of |value|.
    std::array<char, 1 + DBL_MAX_10_EXP + 1 + 1 + kExactDecimals + 8> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                       std::chars_format::fixed, kExactDecimals);
    const std::string_view exact(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t pointAt = exact.find('.');
    const std::string_view whole = exact.substr(0, pointAt);
    std::string fraction(pointAt == std::string_view::npos ? std::string_view() : exact.substr(pointAt + 1));
    if (fraction.size() < places + 1) fraction.resize(places + 1, '0');

    // Rounded at the last place shown, halves away from zero: the next digit of the exact expansion decides.
    std::string digits(whole);
    digits.append(fraction, 0, places);
    if (fraction[places] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    const bool shownNonZero = digits.find_first_not_of('0') != std::string::npos;

    std::string wholeShown = digits.substr(0, digits.size() - places);
    std::string placesShown = digits.substr(digits.size() - places);
    const std::size_t firstDigit = wholeShown.find_first_not_of('0');
    wholeShown.erase(0, firstDigit == std::string::npos ? wholeShown.size() : firstDigit);
    if (wholeShown.size() < pattern.wholeZeros) wholeShown.insert(0, pattern.wholeZeros - wholeShown.size(), '0');
    std::size_t kept = places;
    while (kept > 0 && pattern.places[kept - 1] == '#' && placesShown[kept - 1] == '0')
        --kept;
    placesShown.resize(kept);

    std::string text;
    text.reserve(1 + wholeShown.size() + decimalSeparator().size() + placesShown.size());
    if (value < 0 && shownNonZero) text.push_back('-');
    text.append(wholeShown);
    if (pattern.point) text.append(decimalSeparator());
    text.append(placesShown);
    return text;
}

std::string Format(std::optional<double> value, std::string_view pattern) {
    return value ? Format(*value, pattern) : std::string();
}

// ---- Text form of a number --------------------------------------------------------------------------------------

namespace {

// The shortest form with up to `precision` significant digits, as C's "%.*G" writes it (exponent from 10^precision
// up and below 1E-4, at least two exponent digits), with the regional separator.
template <typename T>
std::string textForm(T value, int precision) {
    if (!std::isfinite(value)) throw Fault(FaultKind::Overflow);
    if (value == 0) return "0";  // -0 as well
    std::array<char, 64> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, precision);
    std::string text;
    for (const char* p = buffer.data(); p != written.ptr; ++p) {
        if (*p == '.') {
            text += decimalSeparator();
        } else if (*p == 'e') {
            text += 'E';
        } else {
            text += *p;
        }
    }
    return text;
}

}  // namespace

std::string Str(double value) { return textForm(value, 15); }
std::string StrSingle(float value) { return textForm(value, 7); }

// ---- Conversions ------------------------------------------------------------------------------------------------

double Int(double value) noexcept { return std::floor(value); }

std::int16_t CInt(double value) {
    if (std::isnan(value)) throw Fault(FaultKind::Overflow);
    const double rounded = std::nearbyint(value);  // the default rounding: halves to even
    if (rounded < -32768.0 || rounded > 32767.0) throw Fault(FaultKind::Overflow);
    return static_cast<std::int16_t>(rounded);
}

float CSng(double value) {
    if (std::isnan(value)) throw Fault(FaultKind::Overflow);
    // Halfway between the largest float and the next power of two: from there on the value rounds beyond range.
    constexpr double kBeyondSingle = 0x1.ffffffp127;
    const double magnitude = std::fabs(value);
    if (magnitude >= kBeyondSingle) throw Fault(FaultKind::Overflow);
    if (magnitude > FLT_MAX) return value < 0 ? -FLT_MAX : FLT_MAX;
    return static_cast<float>(value);
}

std::size_t tableIndex(double index, std::size_t size) {
    if (std::isnan(index)) throw Fault(FaultKind::IndexOutOfRange);
    const double rounded = std::nearbyint(index);  // a subscript is rounded like CInt
    if (rounded < 0.0 || rounded >= static_cast<double>(size)) throw Fault(FaultKind::IndexOutOfRange);
    return static_cast<std::size_t>(rounded);
}

// ---- Checked arithmetic -----------------------------------------------------------------------------------------

double checked(double result) {
    if (!std::isfinite(result)) throw Fault(FaultKind::Overflow);
    return result;
}

namespace {

void requireNumber(double v) {
    if (std::isnan(v)) throw Fault(FaultKind::InvalidArgument);
}

void requireNumbers(Num a, Num b) {
    requireNumber(a.value());
    requireNumber(b.value());
}

void requireFinite(Num x) {
    if (!std::isfinite(x.value())) throw Fault(FaultKind::InvalidArgument);
}

}  // namespace

Num operator+(Num a, Num b) {
    requireNumbers(a, b);
    return checked(a.value() + b.value());
}

Num operator-(Num a, Num b) {
    requireNumbers(a, b);
    return checked(a.value() - b.value());
}

Num operator*(Num a, Num b) {
    requireNumbers(a, b);
    return checked(a.value() * b.value());
}

Num operator/(Num a, Num b) {
    requireNumbers(a, b);
    if (b.value() == 0.0) throw Fault(FaultKind::DivisionByZero);
    return checked(a.value() / b.value());
}

Num operator-(Num a) {
    requireNumber(a.value());
    return checked(-a.value());
}

Num& Num::operator+=(Num o) { return *this = *this + o; }
Num& Num::operator-=(Num o) { return *this = *this - o; }
Num& Num::operator*=(Num o) { return *this = *this * o; }
Num& Num::operator/=(Num o) { return *this = *this / o; }

Num ln(Num x) {
    requireNumber(x.value());
    if (x.value() <= 0.0) throw Fault(FaultKind::InvalidArgument);
    return checked(std::log(x.value()));
}

Num sqrt(Num x) {
    requireNumber(x.value());
    if (x.value() < 0.0) throw Fault(FaultKind::InvalidArgument);
    return checked(std::sqrt(x.value()));
}

Num pw(Num base, Num exponent) {
    requireNumbers(base, exponent);
    const double b = base.value();
    const double e = exponent.value();
    if (b < 0.0 && std::trunc(e) != e) throw Fault(FaultKind::InvalidArgument);
    if (b == 0.0 && e < 0.0) throw Fault(FaultKind::DivisionByZero);
    return checked(std::pow(b, e));
}

Num exp(Num x) {
    requireNumber(x.value());
    return checked(std::exp(x.value()));
}

Num sin(Num x) {
    requireFinite(x);
    return checked(std::sin(x.value()));
}

Num cos(Num x) {
    requireFinite(x);
    return checked(std::cos(x.value()));
}

Num tan(Num x) {
    requireFinite(x);
    return checked(std::tan(x.value()));
}

Num atn(Num x) {
    requireFinite(x);
    return checked(std::atan(x.value()));
}

Num abs(Num x) {
    requireNumber(x.value());
    return checked(std::fabs(x.value()));
}

Num Int(Num x) {
    requireNumber(x.value());
    return checked(std::floor(x.value()));
}

}  // namespace px
