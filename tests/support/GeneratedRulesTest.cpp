// The generated rules are the same text for a seed in every build: the tests that read
// them were written against those sheets, and a failure is told again by its seed.
// (The numbers come from std::mt19937 through libstdc++'s distributions.)

#include "support/GeneratedRules.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace tesselo::testing {
namespace {

// FNV-1a over the bytes, 64 bits: a long text told apart by one number.
uint64_t Fingerprint(const std::string& text) {
    uint64_t hash = 14695981039346656037u;
    for (char c : text) {
        hash ^= static_cast<uint64_t>(static_cast<unsigned char>(c));
        hash *= 1099511628211u;
    }
    return hash;
}

// Short sheets whose values are built in parts: the margin and padding boxes (an auto,
// a negative margin, three and four parts) and the border shorthands (a width alone, a
// style without a width, all three).
TEST(GeneratedRules, ASeedGivesItsText) {
    struct Case {
        uint32_t Seed;
        const char* Text;
    };
    const Case cases[] = {
        {329, "/* generated rules, seed 329 */\n"
              ".g0,\n"
              ".h0 { border-top: 2px; border-top: 2px none inherit\n"
              "}\n"
              "#g1 > p { color: red; border-style: dashed;\n"
              "  vertical-align: unset;\n"
              "  padding: 0vh 1em 1pc;\n"
              "}\n"},
        {355, "/* generated rules, seed 355 */\n"
              "a.g0:hover {\n"
              "  /* note 0 */ border-top: none #f00;\n"
              "  background-repeat: no-repeat; margin: -2mm 0vmin auto;\n"
              "}\n"
              "ul.g1 li + li { right: .5pt; visibility: visible; background-color: #f00\n"
              "}\n"},
        {633, "/* generated rules, seed 633 */\n"
              "a.g0:hover {\n"
              "  /* note 0 */ padding-right: .5px;\n"
              "  margin: clamp(1rem, 2vw, 3rem) -2mm auto 1.5%; }\n"
              "#g1 > p { visibility: visible; border: solid red;\n"
              "  margin: auto 0 1PX;\n"
              "}\n"},
        {1379, "/* generated rules, seed 1379 */\n"
               "#g0 > p {\n"
               "  top: .5ch;\n"
               "  border-bottom: 1px inset Teal;\n"
               "}\n"
               ".g1, /* and */ .h1 { padding: 2vmax .5ex 2pt 12mm; margin: 0.25in "
               "100vmin!IMPORTANT; text-align: right }\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GenerateRules(c.Seed, 2), c.Text) << "seed " << c.Seed;
    EXPECT_EQ(GenerateRules(7, 0), "/* generated rules, seed 7 */\n");
}

// The sheet the declaration reader's and the real parser's tests read, whole.
TEST(GeneratedRules, TheTestsSheetStaysAsItWas) {
    const std::string sheet = GenerateRules(20240611, 300);
    EXPECT_EQ(sheet.size(), 41999u);
    EXPECT_EQ(Fingerprint(sheet), 0xc0161a8b95163e30u);
    EXPECT_EQ(sheet, GenerateRules(20240611, 300));
}

} // namespace
} // namespace tesselo::testing
