// The numeric runtime: reading fields, showing results, conversions and checked arithmetic.
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/numbers.h"

namespace px {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// Runs `step` and gives the kind of fault it threw, or nothing when it ran through.
std::optional<FaultKind> faultOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const Fault& fault) {
        return fault.kind();
    }
    return std::nullopt;
}

// ---- Val --------------------------------------------------------------------------------------------------------

struct ValRow {
    std::string name;
    std::string text;
    double expected;
};
void PrintTo(const ValRow& row, std::ostream* os) { *os << row.name; }

class ValReads : public testing::TestWithParam<ValRow> {};

TEST_P(ValReads, Value) {
    const ValRow& row = GetParam();
    double read = kNaN;
    ASSERT_NO_THROW(read = Val(row.text)) << '"' << row.text << '"';
    EXPECT_EQ(read, row.expected) << '"' << row.text << '"';
}

const std::string k400Zeros(400, '0');

INSTANTIATE_TEST_SUITE_P(
    Numbers, ValReads,
    testing::Values(
        ValRow{"Empty", "", 0}, ValRow{"One", "1", 1}, ValRow{"Decimal", "1.5", 1.5},
        ValRow{"LeadingPoint", ".5", 0.5}, ValRow{"Minus", "-2", -2}, ValRow{"Plus", "+3", 3},
        ValRow{"MinusPoint", "-.5", -0.5}, ValRow{"OnlyMinus", "-", 0}, ValRow{"OnlyPoint", ".", 0},
        ValRow{"TwoSigns", "+-5", 0}, ValRow{"SecondPointEnds", "1.2.3", 1.2}, ValRow{"InnerMinusEnds", "12-3", 12},
        ValRow{"CommaEnds", "1,5", 1}, ValRow{"LettersEnd", "12abc", 12}, ValRow{"TrailingPoint", "7.", 7},
        ValRow{"BlankBetweenDigits", "1 000", 1000}, ValRow{"BlanksEverywhere", " \t- 1 2 .\n5\r", -12.5},
        ValRow{"BlankAfterSign", "- 5", -5}, ValRow{"ExponentUpper", "1E3", 1000},
        ValRow{"ExponentLower", "2.5e-2", 0.025}, ValRow{"ExponentD", "2D2", 200}, ValRow{"Exponentd", "2d+2", 200},
        ValRow{"ExponentWithBlanks", "1 E - 0 3", 0.001}, ValRow{"ExponentOnPoint", "5.E1", 50},
        ValRow{"BareE", "1E", 1}, ValRow{"BareESign", "1E+", 1}, ValRow{"ELetterAfter", "1Ex", 1},
        ValRow{"ExponentStopsAtPoint", "12E3.5", 12000}, ValRow{"NoDigitsBeforeE", "E5", 0},
        ValRow{"PointBeforeE", ".E5", 0}, ValRow{"ZeroHugeExponent", "0E999999999999999999999", 0},
        ValRow{"ExactTieToEven", "9007199254740993", 9007199254740992.0},
        ValRow{"ManyDigits", "123456789012345678901234567890", 123456789012345678901234567890.0},
        ValRow{"ExactTenth", "0.1000000000000000055511151231257827021181583404541015625", 0.1},
        ValRow{"SmallestNormal", "2.2250738585072014E-308", DBL_MIN},
        ValRow{"Denormal", "4.9E-324", std::numeric_limits<double>::denorm_min()}, ValRow{"Underflow", "1E-400", 0},
        ValRow{"NegativeUnderflow", "-1E-400", 0}, ValRow{"LongZerosThenExponent", "0." + k400Zeros + "1E400", 0.1},
        ValRow{"LongDigitsThenExponent", "1" + k400Zeros + "E-400", 1},
        ValRow{"LargestDouble", "1.7976931348623157E308", DBL_MAX}, ValRow{"Hex", "&HFF", 255},
        ValRow{"HexLower", "&hff", 255}, ValRow{"HexBlanks", " & H F F", 255}, ValRow{"Hex16Max", "&H7FFF", 32767},
        ValRow{"Hex16Sign", "&H8000", -32768}, ValRow{"Hex16MinusOne", "&HFFFF", -1},
        ValRow{"HexLeadingZeros16", "&H0000FFFF", -1}, ValRow{"Hex32", "&H10000", 65536},
        ValRow{"Hex32Sign", "&H80000000", -2147483648.0}, ValRow{"Hex32MinusOne", "&HFFFFFFFF", -1},
        ValRow{"HexStopsAtNonDigit", "&H1G", 1}, ValRow{"HexNoDigits", "&H", 0}, ValRow{"Octal", "&O17", 15},
        ValRow{"OctalLower", "&o777", 511}, ValRow{"OctalStopsAt8", "&O78", 7},
        ValRow{"Octal16Sign", "&O177777", -1}, ValRow{"Octal32", "&O200000", 65536},
        ValRow{"Octal32MinusOne", "&O37777777777", -1}, ValRow{"AmpersandAlone", "&", 0},
        ValRow{"AmpersandOther", "&X12", 0}, ValRow{"SignBeforeAmpersand", "-&H1", 0}),
    rowName<ValRow>);

struct ValFaultRow {
    std::string name;
    std::string text;
};
void PrintTo(const ValFaultRow& row, std::ostream* os) { *os << row.name; }

class ValOverflows : public testing::TestWithParam<ValFaultRow> {};

TEST_P(ValOverflows, ThrowsOverflow) {
    const ValFaultRow& row = GetParam();
    EXPECT_EQ(faultOf([&] { Val(row.text); }), FaultKind::Overflow) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ValOverflows,
    testing::Values(ValFaultRow{"Exponent", "1E400"}, ValFaultRow{"NegativeExponent", "-1E400"},
                    ValFaultRow{"JustBeyondLargest", "1.8E308"}, ValFaultRow{"FourHundredDigits", "1" + k400Zeros},
                    ValFaultRow{"HugeExponent", "1E99999999999999999999999"},
                    ValFaultRow{"Hex33Bits", "&H100000000"}, ValFaultRow{"Octal33Bits", "&O40000000000"}),
    rowName<ValFaultRow>);

// ---- Format -----------------------------------------------------------------------------------------------------

struct FormatRow {
    std::string name;
    double value;
    std::string pattern;
    std::string expected;
};
void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }

class FormatShows : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatShows, Text) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(Format(row.value, row.pattern), row.expected) << row.value << " with \"" << row.pattern << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FormatShows,
    testing::Values(
        // The four patterns side by side.
        FormatRow{"Hash_44_2", 44.2, "###.#", "44.2"}, FormatRow{"Zero_44_2", 44.2, "###.0", "44.2"},
        FormatRow{"Whole_44_2", 44.2, "#####", "44"}, FormatRow{"Three_44_2", 44.2, "0.000", "44.200"},
        FormatRow{"Hash_50", 50, "###.#", "50."}, FormatRow{"Zero_50", 50, "###.0", "50.0"},
        FormatRow{"Whole_50", 50, "#####", "50"}, FormatRow{"Three_50", 50, "0.000", "50.000"},
        FormatRow{"Hash_0_47", 0.47, "###.#", ".5"}, FormatRow{"Zero_0_47", 0.47, "###.0", ".5"},
        FormatRow{"Whole_0_47", 0.47, "#####", ""}, FormatRow{"Three_0_47", 0.47, "0.000", "0.470"},
        FormatRow{"Hash_0_04", 0.04, "###.#", "."}, FormatRow{"Zero_0_04", 0.04, "###.0", ".0"},
        FormatRow{"Whole_0_04", 0.04, "#####", ""}, FormatRow{"Three_0_04", 0.04, "0.000", "0.040"},
        FormatRow{"Hash_1234_56", 1234.56, "###.#", "1234.6"},
        FormatRow{"Zero_1234_56", 1234.56, "###.0", "1234.6"}, FormatRow{"Whole_1234_56", 1234.56, "#####", "1235"},
        FormatRow{"Three_1234_56", 1234.56, "0.000", "1234.560"}, FormatRow{"Hash_Neg3_26", -3.26, "###.#", "-3.3"},
        FormatRow{"Zero_Neg3_26", -3.26, "###.0", "-3.3"}, FormatRow{"Whole_Neg3_26", -3.26, "#####", "-3"},
        FormatRow{"Three_Neg3_26", -3.26, "0.000", "-3.260"},
        // The other two patterns.
        FormatRow{"Short_44_2", 44.2, "##.#", "44.2"}, FormatRow{"Short_123_45", 123.45, "##.#", "123.5"},
        FormatRow{"Short_0_04", 0.04, "##.#", "."}, FormatRow{"Two_0_47", 0.47, "0.00", "0.47"},
        FormatRow{"Two_0", 0, "0.00", "0.00"}, FormatRow{"Two_Neg1_005", -1.005, "0.00", "-1.00"},
        // Zero and values that round to zero show no sign.
        FormatRow{"Hash_0", 0, "###.#", "."}, FormatRow{"Whole_0_4", 0.4, "#####", ""},
        FormatRow{"Hash_NegZero", -0.0, "###.#", "."}, FormatRow{"Hash_Neg0_04", -0.04, "###.#", "."},
        FormatRow{"Whole_Neg0_04", -0.04, "#####", ""}, FormatRow{"Zero_Neg0_04", -0.04, "###.0", ".0"},
        FormatRow{"Three_Neg0_0004", -0.0004, "0.000", "0.000"}, FormatRow{"Hash_Neg0_05", -0.05, "###.#", "-.1"},
        FormatRow{"Whole_Neg0_5", -0.5, "#####", "-1"},
        // Halves go away from zero; the exact binary value decides what is a half.
        FormatRow{"TieQuarter", 0.25, "###.#", ".3"}, FormatRow{"TieNegQuarter", -0.25, "###.#", "-.3"},
        FormatRow{"AboveHalf0_05", 0.05, "###.#", ".1"}, FormatRow{"BelowHalf0_15", 0.15, "###.#", ".1"},
        FormatRow{"BelowHalf1_005", 1.005, "0.00", "1.00"}, FormatRow{"TieWhole2_5", 2.5, "#####", "3"},
        FormatRow{"TieWhole3_5", 3.5, "#####", "4"}, FormatRow{"TieNegWhole2_5", -2.5, "#####", "-3"},
        FormatRow{"CarryIntoWhole", 9.96, "###.#", "10."}, FormatRow{"CarryAllNines", 999.95, "###.0", "1000.0"},
        FormatRow{"CarryThree", 99.99951, "0.000", "100.000"},
        FormatRow{"JustBelowHalf", 0.049999999999999996, "###.#", "."},
        // Every digit of the whole part, no thousands separator.
        FormatRow{"Large1e20", 1e20, "###.#", "100000000000000000000."},
        FormatRow{"Large1e20Three", 1e20, "0.000", "100000000000000000000.000"},
        FormatRow{"LargeNeg", -123456789.25, "#####", "-123456789"},
        FormatRow{"LargeExact2pow70", 1180591620717411303424.0, "#####", "1180591620717411303424"},
        FormatRow{"Tiny", 1e-300, "0.000", "0.000"}, FormatRow{"Denormal", 4.9e-324, "###.#", "."},
        // Other patterns go through the same rules.
        FormatRow{"PaddedWhole", 5, "000", "005"},
        FormatRow{"ManyPlaces", 0.1, "0.00000000000000000000", "0.10000000000000000555"},
        FormatRow{"MixedPlaces", 1.5, "0.0#", "1.5"}, FormatRow{"ZeroAfterHash", 1.05, "0.#0", "1.05"},
        FormatRow{"TrailingHashes", 1.5, "0.###", "1.5"}, FormatRow{"EmptyPattern", 2.5, "", "3"},
        FormatRow{"OnlyPoint", 7.25, ".", "7."}),
    rowName<FormatRow>);

TEST(Format, LargestDoubleShowsAllItsDigits) {
    const std::string text = Format(DBL_MAX, "#####");
    EXPECT_EQ(text.size(), 309u);
    EXPECT_EQ(text.substr(0, 17), "17976931348623157");
    EXPECT_EQ(Format(1e300, "###.#").size(), 302u);  // 301 digits and the separator
}

TEST(Format, NonFiniteOverflows) {
    for (double v : {kNaN, kInf, -kInf}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(faultOf([&] { Format(v, "###.#"); }), FaultKind::Overflow);
        EXPECT_EQ(faultOf([&] { Str(v); }), FaultKind::Overflow);
    }
}

TEST(Format, UnsetResultIsEmpty) {
    EXPECT_EQ(Format(std::optional<double>(), "0.000"), "");
    EXPECT_EQ(Format(std::optional<double>(44.2), "###.#"), "44.2");
}

// The regional separator, as under Italian settings; restored to the full stop after each test.
class RegionalSeparator : public testing::Test {
protected:
    void SetUp() override { setDecimalSeparator(","); }
    void TearDown() override { setDecimalSeparator("."); }
};

TEST_F(RegionalSeparator, WrittenByFormatAndTextForm) {
    EXPECT_EQ(decimalSeparator(), ",");
    EXPECT_EQ(Format(44.2, "###.#"), "44,2");
    EXPECT_EQ(Format(50, "###.#"), "50,");
    EXPECT_EQ(Format(0.04, "###.0"), ",0");
    EXPECT_EQ(Format(-3.26, "0.000"), "-3,260");
    EXPECT_EQ(Format(1234.56, "#####"), "1235");
    EXPECT_EQ(Str(-12.5), "-12,5");
    EXPECT_EQ(Str(0.00001), "1E-05");
    EXPECT_EQ(StrSingle(0.25f), "0,25");
}

TEST_F(RegionalSeparator, ValStillReadsOnlyTheFullStop) {
    EXPECT_EQ(Val("44.2"), 44.2);
    EXPECT_EQ(Val("44,2"), 44);
}

TEST(DecimalSeparator, DefaultIsFullStop) { EXPECT_EQ(decimalSeparator(), "."); }

// The application switches the C library to the user's locale; reading and showing must not follow it.
TEST(DecimalSeparator, IndependentOfTheCLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const char* locale = nullptr;
    for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if ((locale = std::setlocale(LC_NUMERIC, name)) != nullptr) break;
    }
    if (locale == nullptr) GTEST_SKIP() << "no locale with a decimal comma installed";
    const double read = Val("1.5");
    const std::string shown = Format(1.25, "0.00") + " " + Str(0.5) + " " + StrSingle(0.5f);
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(read, 1.5);
    EXPECT_EQ(shown, "1.25 0.5 0.5");
}

// ---- Text form --------------------------------------------------------------------------------------------------

struct StrRow {
    std::string name;
    double value;
    std::string expected;
};
void PrintTo(const StrRow& row, std::ostream* os) { *os << row.name; }

class StrShows : public testing::TestWithParam<StrRow> {};

TEST_P(StrShows, Text) { EXPECT_EQ(Str(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Numbers, StrShows,
    testing::Values(StrRow{"Two", 2, "2"}, StrRow{"Quarter", 0.25, "0.25"}, StrRow{"Negative", -12.5, "-12.5"},
                    StrRow{"Zero", 0, "0"}, StrRow{"NegativeZero", -0.0, "0"}, StrRow{"Whole29", 29, "29"},
                    StrRow{"PointThree", 0.1 + 0.2, "0.3"}, StrRow{"Third", 1.0 / 3, "0.333333333333333"},
                    StrRow{"RoundsAt15", 2.0 / 3, "0.666666666666667"},
                    StrRow{"Fifteen", 123456789012345.0, "123456789012345"}, StrRow{"E15", 1e15, "1E+15"},
                    StrRow{"E16", 1e16, "1E+16"}, StrRow{"NegE16", -1.5e16, "-1.5E+16"},
                    StrRow{"E100", 1e100, "1E+100"}, StrRow{"TenThousandth", 0.0001, "0.0001"},
                    StrRow{"EMinus05", 0.00001, "1E-05"}, StrRow{"SmallMantissa", 1.25e-7, "1.25E-07"},
                    StrRow{"Largest", DBL_MAX, "1.79769313486232E+308"},
                    StrRow{"Denormal", 4.9e-324, "4.94065645841247E-324"}),
    rowName<StrRow>);

struct StrSingleRow {
    std::string name;
    float value;
    std::string expected;
};
void PrintTo(const StrSingleRow& row, std::ostream* os) { *os << row.name; }

class StrSingleShows : public testing::TestWithParam<StrSingleRow> {};

TEST_P(StrSingleShows, Text) { EXPECT_EQ(StrSingle(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Numbers, StrSingleShows,
    testing::Values(StrSingleRow{"Tenth", 0.1f, "0.1"}, StrSingleRow{"Third", 1.0f / 3, "0.3333333"},
                    StrSingleRow{"Pi", 3.14159265f, "3.141593"}, StrSingleRow{"Seven", 1234567.0f, "1234567"},
                    StrSingleRow{"E7", 1e7f, "1E+07"}, StrSingleRow{"Negative", -2.5f, "-2.5"},
                    StrSingleRow{"NegativeZero", -0.0f, "0"}, StrSingleRow{"Small", 0.00001f, "1E-05"}),
    rowName<StrSingleRow>);

// ---- Conversions ------------------------------------------------------------------------------------------------

TEST(Int, IsTheFloor) {
    const struct {
        double value;
        double expected;
    } rows[] = {{2.7, 2}, {2, 2}, {-2.3, -3}, {-0.5, -1}, {0.999999, 0}, {-3, -3}, {1e300, 1e300}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(Int(row.value), row.expected);
        EXPECT_EQ(Int(Num(row.value)).value(), row.expected);
    }
}

struct CIntRow {
    std::string name;
    double value;
    std::optional<std::int16_t> expected;  // nothing: Overflow
};
void PrintTo(const CIntRow& row, std::ostream* os) { *os << row.name; }

class CIntRounds : public testing::TestWithParam<CIntRow> {};

TEST_P(CIntRounds, ValueOrOverflow) {
    const CIntRow& row = GetParam();
    if (row.expected) {
        EXPECT_EQ(CInt(row.value), *row.expected);
    } else {
        EXPECT_EQ(faultOf([&] { CInt(row.value); }), FaultKind::Overflow);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, CIntRounds,
    testing::Values(CIntRow{"TwoHalf", 2.5, 2}, CIntRow{"ThreeHalf", 3.5, 4}, CIntRow{"NegTwoHalf", -2.5, -2},
                    CIntRow{"NegThreeHalf", -3.5, -4}, CIntRow{"Half", 0.5, 0}, CIntRow{"AboveHalf", 2.51, 3},
                    CIntRow{"Max", 32767, 32767}, CIntRow{"NearMax", 32767.4, 32767},
                    CIntRow{"Min", -32768, -32768}, CIntRow{"MinHalf", -32768.5, -32768},
                    CIntRow{"MaxHalf", 32767.5, std::nullopt}, CIntRow{"BeyondMin", -32768.6, std::nullopt},
                    CIntRow{"BeyondMax", 40000, std::nullopt}, CIntRow{"Huge", 1e300, std::nullopt},
                    CIntRow{"NaN", kNaN, std::nullopt}, CIntRow{"Inf", kInf, std::nullopt},
                    CIntRow{"NegInf", -kInf, std::nullopt}),
    rowName<CIntRow>);

TEST(CSng, RoundsToSingle) {
    EXPECT_EQ(CSng(0.1), 0.1f);
    EXPECT_EQ(CSng(-2.5), -2.5f);
    EXPECT_EQ(CSng(1e-50), 0.0f);  // underflow is no fault
    EXPECT_EQ(CSng(3.4e38), 3.4e38f);
    EXPECT_EQ(CSng(0x1.fffffefp127), FLT_MAX);  // beyond the largest float but rounds to it
    EXPECT_EQ(CSng(-0x1.fffffefp127), -FLT_MAX);
}

TEST(CSng, BeyondSingleRangeOverflows) {
    for (double v : {0x1.ffffffp127, 1e39, -1e39, 1e300, kInf, kNaN}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(faultOf([&] { CSng(v); }), FaultKind::Overflow);
    }
}

TEST(TableIndex, RoundsAndChecksBounds) {
    const struct {
        double index;
        std::size_t size;
        std::optional<std::size_t> expected;  // nothing: IndexOutOfRange
    } rows[] = {{0, 5, 0},   {2, 5, 2},    {4, 5, 4},      {4.4, 5, 4},   {4.5, 5, 4},
                {3.5, 5, 4}, {-0.4, 5, 0}, {4.6, 5, {}},   {5, 5, {}},    {-0.6, 5, {}},
                {-1, 5, {}}, {0, 0, {}},   {1e300, 5, {}}, {kNaN, 5, {}}, {kInf, 5, {}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.index << " of " << row.size);
        if (row.expected) {
            EXPECT_EQ(tableIndex(row.index, row.size), *row.expected);
        } else {
            EXPECT_EQ(faultOf([&] { tableIndex(row.index, row.size); }), FaultKind::IndexOutOfRange);
        }
    }
}

// ---- Checked arithmetic -----------------------------------------------------------------------------------------

struct NumFaultRow {
    std::string name;
    std::function<Num()> step;
    std::optional<FaultKind> fault;
};
void PrintTo(const NumFaultRow& row, std::ostream* os) { *os << row.name; }

class NumSteps : public testing::TestWithParam<NumFaultRow> {};

TEST_P(NumSteps, FaultOrNone) {
    const NumFaultRow& row = GetParam();
    EXPECT_EQ(faultOf([&] { row.step(); }), row.fault);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumSteps,
    testing::Values(NumFaultRow{"LnZero", [] { return ln(0); }, FaultKind::InvalidArgument},
                    NumFaultRow{"LnNegative", [] { return ln(-1); }, FaultKind::InvalidArgument},
                    NumFaultRow{"LnTiny", [] { return ln(4.9e-324); }, std::nullopt},
                    NumFaultRow{"SqrtNegative", [] { return sqrt(-1); }, FaultKind::InvalidArgument},
                    NumFaultRow{"SqrtNegativeZero", [] { return sqrt(-0.0); }, std::nullopt},
                    NumFaultRow{"PowNegativeFraction", [] { return pw(-8, 1 / 3.); }, FaultKind::InvalidArgument},
                    NumFaultRow{"PowNegativeWhole", [] { return pw(-2, 3); }, std::nullopt},
                    NumFaultRow{"PowZeroNegative", [] { return pw(0, -1); }, FaultKind::DivisionByZero},
                    NumFaultRow{"PowZeroZero", [] { return pw(0, 0); }, std::nullopt},
                    NumFaultRow{"PowOverflow", [] { return pw(10, 400); }, FaultKind::Overflow},
                    NumFaultRow{"PowUnderflow", [] { return pw(10, -400); }, std::nullopt},
                    NumFaultRow{"MulOverflow", [] { return Num(1e308) * 10; }, FaultKind::Overflow},
                    NumFaultRow{"AddOverflow", [] { return Num(DBL_MAX) + DBL_MAX; }, FaultKind::Overflow},
                    NumFaultRow{"SubOverflow", [] { return Num(-DBL_MAX) - DBL_MAX; }, FaultKind::Overflow},
                    NumFaultRow{"DivOverflow", [] { return Num(1e300) / 1e-300; }, FaultKind::Overflow},
                    NumFaultRow{"DivUnderflow", [] { return Num(1e-300) / 1e300; }, std::nullopt},
                    NumFaultRow{"DivByZero", [] { return Num(1) / 0; }, FaultKind::DivisionByZero},
                    NumFaultRow{"ZeroByZero", [] { return Num(0) / 0; }, FaultKind::DivisionByZero},
                    NumFaultRow{"DivByNegativeZero", [] { return Num(1) / -0.0; }, FaultKind::DivisionByZero},
                    NumFaultRow{"CompoundDivByZero",
                                [] {
                                    Num x = 1;
                                    x /= 0;
                                    return x;
                                },
                                FaultKind::DivisionByZero},
                    NumFaultRow{"CompoundMulOverflow",
                                [] {
                                    Num x = 1e200;
                                    x *= 1e200;
                                    return x;
                                },
                                FaultKind::Overflow},
                    NumFaultRow{"ExpOverflow", [] { return exp(1000); }, FaultKind::Overflow},
                    NumFaultRow{"ExpUnderflow", [] { return exp(-1000); }, std::nullopt},
                    NumFaultRow{"SinInfinite", [] { return sin(kInf); }, FaultKind::InvalidArgument},
                    NumFaultRow{"CosInfinite", [] { return cos(-kInf); }, FaultKind::InvalidArgument},
                    NumFaultRow{"TanInfinite", [] { return tan(kInf); }, FaultKind::InvalidArgument},
                    NumFaultRow{"AtnInfinite", [] { return atn(kInf); }, FaultKind::InvalidArgument},
                    NumFaultRow{"AddNaN", [] { return Num(kNaN) + 1; }, FaultKind::InvalidArgument},
                    NumFaultRow{"DivNaNByZero", [] { return Num(kNaN) / 0; }, FaultKind::InvalidArgument},
                    NumFaultRow{"NegateNaN", [] { return -Num(kNaN); }, FaultKind::InvalidArgument},
                    NumFaultRow{"LnNaN", [] { return ln(kNaN); }, FaultKind::InvalidArgument},
                    NumFaultRow{"SqrtNaN", [] { return sqrt(kNaN); }, FaultKind::InvalidArgument},
                    NumFaultRow{"PowNaN", [] { return pw(1, kNaN); }, FaultKind::InvalidArgument},
                    NumFaultRow{"ExpNaN", [] { return exp(kNaN); }, FaultKind::InvalidArgument},
                    NumFaultRow{"AbsNaN", [] { return abs(kNaN); }, FaultKind::InvalidArgument},
                    NumFaultRow{"IntNaN", [] { return Int(Num(kNaN)); }, FaultKind::InvalidArgument},
                    NumFaultRow{"SinNaN", [] { return sin(kNaN); }, FaultKind::InvalidArgument}),
    rowName<NumFaultRow>);

TEST(Num, ResultsOfValidSteps) {
    EXPECT_EQ(pw(-2, 3).value(), -8);
    EXPECT_EQ(pw(0, 0).value(), 1);
    EXPECT_EQ(pw(2, 0.5).value(), std::sqrt(2.0));
    EXPECT_EQ(exp(-1000).value(), 0);
    EXPECT_EQ((Num(1e-300) / 1e300).value(), 0);
    EXPECT_EQ(abs(-3).value(), 3);
    EXPECT_EQ((-Num(2)).value(), -2);
    EXPECT_EQ(atn(1).value() * 4, std::atan(1.0) * 4);
    Num x = 1;
    x += 2;
    x -= 0.5;
    x *= 4;
    x /= 5;
    EXPECT_EQ(x.value(), 2);
}

TEST(Num, CheckedPassesFiniteValuesAndOverflowsOtherwise) {
    EXPECT_EQ(checked(1.5), 1.5);
    EXPECT_EQ(checked(0), 0);
    for (double v : {kInf, -kInf, kNaN}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(faultOf([&] { checked(v); }), FaultKind::Overflow);
    }
}

// A spectrum-level step across logs and a power: 55 dB less five decibels shown as "50.".
TEST(Num, GoldenLevelShowsFifty) {
    const Num f = 2;
    const Num k = Num(5) / (Num(20) * ln(Num(2)) / ln(Num(10)));
    const Num D = Num(20) * ln(pw(f, k)) / ln(Num(10));
    const Num SS = (Num(55) - D) + 0;
    EXPECT_NEAR(D.value(), 5, 1e-12);
    EXPECT_EQ(Format(SS.value(), "###.#"), "50.");
}

// ---- Faults -----------------------------------------------------------------------------------------------------

TEST(Fault, ItalianMessages) {
    EXPECT_STREQ(Fault(FaultKind::InvalidArgument).what(), "Argomento non valido");
    EXPECT_STREQ(Fault(FaultKind::DivisionByZero).what(), "Divisione per zero");
    EXPECT_STREQ(Fault(FaultKind::Overflow).what(), "Overflow");
    EXPECT_STREQ(Fault(FaultKind::IndexOutOfRange).what(), "Indice fuori dai limiti della tabella");
    EXPECT_STREQ(faultMessage(FaultKind::Overflow), "Overflow");
}

TEST(Fault, RecorderKeepsOrderAndTakeForgets) {
    FaultRecorder recorder;
    FaultReporter& reporter = recorder;
    reporter.report(Fault(FaultKind::DivisionByZero));
    reporter.report(Fault(FaultKind::Overflow));
    EXPECT_EQ(recorder.messages(), (std::vector<std::string>{"Divisione per zero", "Overflow"}));
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"Divisione per zero", "Overflow"}));
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_TRUE(recorder.take().empty());
}

// ---- Key filter -------------------------------------------------------------------------------------------------

TEST(KeyFilter, AlphabetsAndBackspace) {
    const struct {
        char32_t key;
        bool calculator;
        bool workbench;
    } rows[] = {
        {U'0', true, true},
        {U'9', true, true},
        {U'5', true, true},
        {U'.', true, true},
        {U'-', true, true},
        {U'+', true, false},
        {U'\b', true, true},
        {U',', false, false},
        {U' ', false, false},
        {U'a', false, false},
        {U'E', false, false},
        {U'\r', false, false},
        {U'\n', false, false},
        {0x16, false, false},
        {0, false, false},
        {U'&', false, false},
        {0x7F, false, false},
        {U'\u00B7', false, false},
        {U'+' + 0x100, false, false},
        {U'0' + 0x10000, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<unsigned>(row.key));
        EXPECT_EQ(keyAccepted(row.key, kCalculatorKeys), row.calculator);
        EXPECT_EQ(keyAccepted(row.key, kWorkbenchKeys), row.workbench);
    }
}

}  // namespace
}  // namespace px
