// Generated shadows, transitions, transforms and filters, read by the browser's engine:
// each rule written anew, and each part of each layer and each function's argument
// written back in its place, give every element the computed style the original gives
// it.

#include "mapping/LayeredValue.h"
#include "support/GeneratedEffects.h"
#include "support/GeneratedPage.h"
#include "support/LineDiff.h"
#include "support/TempDir.h"
#include "support/WrittenAnew.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

constexpr int kRules = 200;

class RealParserEffects : public testing::GeneratedPage {
protected:
    std::optional<std::vector<QString>> Computed(const std::string& name, const std::string& css) {
        return GeneratedPage::Computed(
            name, css, kRules,
            {QStringLiteral("box-shadow"), QStringLiteral("text-shadow"),
             QStringLiteral("transition-property"), QStringLiteral("transition-duration"),
             QStringLiteral("transition-timing-function"), QStringLiteral("transition-delay"),
             QStringLiteral("transform"), QStringLiteral("filter")});
    }
};

// How often each kind of value was written back part by part.
struct Splices {
    int Shadows = 0;
    int Transitions = 0;
    int Arguments = 0;
};

// The value with each part of each shadow layer written back with its own text.
std::string ShadowsPartByPart(const std::string& value, int& splices) {
    std::string out = value;
    const auto layers = SplitLayers(value);
    for (size_t i = layers.size(); i-- > 0;) {
        std::string layer(layers[i].Text);
        const auto shadow = ParseShadow(layer);
        if (!shadow)
            continue;
        for (const ShadowPart part : {ShadowPart::X, ShadowPart::Y, ShadowPart::Blur,
                                      ShadowPart::Spread, ShadowPart::Color, ShadowPart::Inset})
            if (shadow->Has(part))
                if (auto again = WithShadowPart(layer, part, shadow->Piece(part).Text))
                    layer = *again, ++splices;
        out = WithLayer(out, i, layer);
    }
    return out;
}

// The value with each part of each transition layer written back with its own text.
std::string TransitionsPartByPart(const std::string& value, int& splices) {
    std::string out = value;
    const auto layers = SplitLayers(value);
    for (size_t i = layers.size(); i-- > 0;) {
        std::string layer(layers[i].Text);
        const auto transition = ParseTransition(layer);
        if (!transition)
            continue;
        for (const TransitionPart part : {TransitionPart::Property, TransitionPart::Duration,
                                          TransitionPart::Timing, TransitionPart::Delay})
            if (!transition->Piece(part).Text.empty())
                if (auto again = WithTransitionPart(layer, part, transition->Piece(part).Text))
                    layer = *again, ++splices;
        out = WithLayer(out, i, layer);
    }
    return out;
}

// The value with each argument of each function written back with its own text.
std::string ArgumentsOneByOne(const std::string& value, int& splices) {
    std::string out = value;
    const auto functions = SplitFunctions(value);
    if (!functions)
        return out;
    for (size_t f = 0; f < functions->size(); ++f)
        for (size_t a = 0; a < (*functions)[f].Args.size(); ++a)
            if (auto again = WithArgument(out, f, a, (*functions)[f].Args[a].Text))
                out = *again, ++splices;
    return out;
}

// Every declaration of the generated sheet (two blanks, the name, ": ", the value up to
// ";\n") with its value written back part by part: a range that is off by a byte shows
// in the result.
std::string WrittenPartByPart(const std::string& sheet, Splices& splices) {
    std::string out;
    size_t from = 0;
    while (true) {
        const size_t at = sheet.find("\n  ", from);
        if (at == std::string::npos)
            break;
        const size_t colon = sheet.find(": ", at);
        const size_t end = sheet.find(";\n", colon);
        const std::string name = sheet.substr(at + 3, colon - at - 3);
        std::string value = sheet.substr(colon + 2, end - colon - 2);
        if (name == "box-shadow" || name == "text-shadow")
            value = ShadowsPartByPart(value, splices.Shadows);
        else if (name == "transition")
            value = TransitionsPartByPart(value, splices.Transitions);
        else if (name == "transform" || name == "filter")
            value = ArgumentsOneByOne(value, splices.Arguments);
        out += sheet.substr(from, colon + 2 - from) + value;
        from = end;
    }
    return out + sheet.substr(from);
}

TEST_F(RealParserEffects, WrittenAnewOrPartByPartTheyKeepTheirComputedStyle) {
    const std::string sheet = testing::GenerateEffects(20261209, kRules);
    const auto original = Computed("original", sheet);
    ASSERT_TRUE(original) << "the page did not load";
    ASSERT_EQ(original->size(), static_cast<size_t>(kRules));
    // The engine takes the generated values: the check has something to compare.
    int shadowed = 0, moved = 0, filtered = 0, timed = 0, curved = 0;
    for (const QString& effects : *original) {
        shadowed += effects.contains(QStringLiteral("box-shadow: none")) ? 0 : 1;
        moved += effects.contains(QStringLiteral("transform: matrix")) ? 1 : 0;
        filtered += effects.contains(QStringLiteral("filter: none")) ? 0 : 1;
        timed += effects.contains(QStringLiteral("transition-duration: 0s;")) ? 0 : 1;
        curved += effects.contains(QStringLiteral("cubic-bezier(")) ||
                          effects.contains(QStringLiteral("steps("))
                      ? 1
                      : 0;
    }
    EXPECT_GT(shadowed, kRules / 2);
    EXPECT_GT(moved, kRules / 4);
    EXPECT_GT(filtered, kRules / 4);
    EXPECT_GT(timed, kRules / 4);
    EXPECT_GT(curved, kRules / 10);

    const auto anew = Computed("anew", testing::WrittenAnew(sheet));
    ASSERT_TRUE(anew);
    EXPECT_EQ(Differences(*original, *anew), "");

    Splices splices;
    const std::string parts = WrittenPartByPart(sheet, splices);
    EXPECT_GT(splices.Shadows, kRules * 2);
    EXPECT_GT(splices.Transitions, kRules);
    EXPECT_GT(splices.Arguments, kRules);
    // Each part written back with its own text changes no byte.
    const auto before = testing::SplitLines(sheet);
    const auto after = testing::SplitLines(parts);
    for (size_t i = 0; i < before.size() && i < after.size(); ++i)
        EXPECT_EQ(after[i], before[i]) << "line " << i + 1;
    EXPECT_EQ(after.size(), before.size());
    const auto read = Computed("parts", parts);
    ASSERT_TRUE(read);
    EXPECT_EQ(Differences(*original, *read), "");
}

} // namespace
} // namespace tesselo
