// A message made from a pattern gives back its parts; a text that is not the pattern
// filled in gives nothing.

#include "document/MessagePatterns.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using Parts = std::optional<std::vector<std::string>>;

TEST(MessagePatterns, AMessageGivesBackThePartsItWasMadeWith) {
    const struct {
        std::string_view Pattern, Text;
        Parts Expected;
    } cases[] = {
        {"Файл %1 изменен.", "Файл a.css изменен.", std::vector<std::string>{"a.css"}},
        {"Файл %1 изменен.", "Файл a.css изменен. ", std::nullopt}, // the tail must end it
        {"Файл %1 изменен.", "Файл  изменен.", std::nullopt},       // a part is never empty
        {"%1 (%2)", "a (b) (c)", std::vector<std::string>{"a", "b) (c"}},
        {"Имя %1: %2.\r%3", "Имя a: b: c.\rd", std::vector<std::string>{"a", "b: c", "d"}},
        {"%2 и %1", "x и y", std::vector<std::string>{"y", "x"}},
        {"%1 и %1", "x и x", std::vector<std::string>{"x"}},
        {"Без частей", "Без частей", std::nullopt}, // a whole text is not a pattern
        {"знак %1", "знак", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchPattern(c.Pattern, c.Text), c.Expected) << c.Pattern << " / " << c.Text;
}

} // namespace
} // namespace tesselo
