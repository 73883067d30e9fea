#include "panel/LengthText.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

struct KeyCase {
    const char* Before;
    char Key;
    bool Accepted;
    char Entered;        // when accepted
    const char* Retyped; // the field's new text, or nullptr when left alone
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << '"' << c.Before << "\" + '" << (c.Key < 32 ? '^' : c.Key) << "'";
}

class LengthKeyFilter : public ::testing::TestWithParam<KeyCase> {};

TEST_P(LengthKeyFilter, DecidesTheKey) {
    const KeyCase& c = GetParam();
    KeyVerdict verdict = FilterLengthKey(c.Before, c.Key);
    EXPECT_EQ(verdict.Accepted, c.Accepted);
    if (c.Accepted) {
        EXPECT_EQ(verdict.Key, c.Entered);
    }
    EXPECT_EQ(verdict.Retyped, c.Retyped != nullptr);
    if (c.Retyped) {
        EXPECT_EQ(verdict.Text, c.Retyped);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LengthKeyFilter,
    ::testing::Values(
        // digits, and the one decimal point that a comma also makes
        KeyCase{"", '7', true, '7', nullptr}, KeyCase{"1", ',', true, '.', nullptr},
        KeyCase{"1", '.', true, '.', nullptr}, KeyCase{"1.5", '.', false, 0, nullptr},
        KeyCase{"1.5", ',', false, 0, nullptr},
        // a minus goes in front; a second one takes the sign away
        KeyCase{"12", '-', false, 0, "-12"}, KeyCase{"-12", '-', false, 0, "12"},
        KeyCase{"", '-', false, 0, "-"}, KeyCase{"-12", '3', true, '3', nullptr},
        KeyCase{"5-", '1', false, 0, nullptr},
        // past the number, what a CSS value is made of is typed as it stands
        KeyCase{"1", 'a', true, 'a', nullptr}, KeyCase{"1", ' ', true, ' ', nullptr},
        KeyCase{"1", '+', true, '+', nullptr}, KeyCase{"1.2re", 'm', true, 'm', nullptr},
        KeyCase{"calc(100% ", '-', true, '-', nullptr},
        KeyCase{"clamp(1rem", ',', true, ',', nullptr},
        KeyCase{"calc(1.5", '.', true, '.', nullptr}, KeyCase{"var(--a", ')', true, ')', nullptr},
        // anything else printable is dropped; control keys always pass
        KeyCase{"1", '#', false, 0, nullptr}, KeyCase{"1", ';', false, 0, nullptr},
        KeyCase{"1", '\x7f', false, 0, nullptr}, KeyCase{"99999", '\b', true, '\b', nullptr},
        // beyond 9999 in magnitude nothing printable is taken
        KeyCase{"9999", '9', true, '9', nullptr}, KeyCase{"99999", '1', false, 0, nullptr},
        KeyCase{"-99999", '1', false, 0, nullptr}, KeyCase{"99999", '.', false, 0, nullptr},
        KeyCase{"99999", '-', false, 0, "99999"}, KeyCase{"9999.5", '1', false, 0, nullptr},
        KeyCase{"99999", 'p', false, 0, nullptr}));

TEST(LengthNumbers, ReadAndRoundHalvesToEven) {
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_EQ(ReadDecimal("-"), 0);
    EXPECT_EQ(ReadDecimal("1."), 1);
    EXPECT_EQ(ReadDecimal(".5"), 0.5);
    EXPECT_EQ(ReadDecimal("-3.25"), -3.25);
    for (auto [value, whole] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {1.4, 1}, {-1.6, -2}})
        EXPECT_EQ(RoundHalfEven(value), whole) << value;
    EXPECT_EQ(RoundHalfEven(1e12), INT32_MAX);
}

TEST(LengthNumbers, WholePartIsSixteenBits) {
    EXPECT_EQ(ReadWhole16("32767").Value, 32767);
    EXPECT_EQ(ReadWhole16("-32768").Value, -32768);
    EXPECT_EQ(ReadWhole16("-0").Value, 0);
    EXPECT_EQ(ReadWhole16("32768").Error, WholeError::OutOfRange);
    EXPECT_EQ(ReadWhole16("-32769").Error, WholeError::OutOfRange);
    EXPECT_EQ(ReadWhole16("123456789012345678901").Error, WholeError::OutOfRange);
    for (const char* bad : {"", "-", "a1", "1 ", "--1"})
        EXPECT_EQ(ReadWhole16(bad).Error, WholeError::NotANumber) << bad;
}

struct LeaveCase {
    const char* Before;
    const char* After;
    const char* WholePart;
};

class LengthLeave : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(LengthLeave, CleansTheTextAndTakesThePartBeforeThePoint) {
    LeaveResult result = NormaliseOnLeave(GetParam().Before);
    EXPECT_EQ(result.Text, GetParam().After);
    EXPECT_EQ(result.WholePart, GetParam().WholePart);
}

INSTANTIATE_TEST_SUITE_P(Texts, LengthLeave,
                         ::testing::Values(LeaveCase{"3,75", "3.75", "3"},
                                           LeaveCase{"1a2", "12", ""}, LeaveCase{"", "", ""},
                                           LeaveCase{"-12", "-12", ""},
                                           LeaveCase{"1.2,3", "1.2.3", "1"},
                                           // taken as it stood: the letter makes it no number
                                           LeaveCase{"a1.5", "1.5", "a1"},
                                           LeaveCase{"-.5", "-.5", "-"}));

} // namespace
} // namespace tesselo
