// Generated gradients and background layers, read by the browser's engine: each rule
// written anew, and each layer's parts and each gradient's stops and angle written back
// in their places, give every element the computed background the original gives it.

#include "mapping/Gradient.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/RuleProperties.h"
#include "support/GeneratedBackgrounds.h"
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

class RealParserBackgrounds : public testing::GeneratedPage {
protected:
    std::optional<std::vector<QString>> Computed(const std::string& name, const std::string& css) {
        return GeneratedPage::Computed(
            name, css, kRules,
            {QStringLiteral("background-image"), QStringLiteral("background-position"),
             QStringLiteral("background-size"), QStringLiteral("background-repeat"),
             QStringLiteral("background-attachment"), QStringLiteral("background-origin"),
             QStringLiteral("background-clip"), QStringLiteral("background-color")});
    }
};

// Each part of each layer written back with its own text through the editing functions,
// each gradient's stops and angle too: a range that is off by a byte shows in the result.
std::string WrittenPartByPart(const std::string& sheet, int& splices) {
    std::string out;
    size_t from = 0;
    while (true) {
        const size_t at = sheet.find("background", from);
        if (at == std::string::npos)
            break;
        const size_t colon = sheet.find(':', at);
        const size_t end = sheet.find(";\n", colon);
        const std::string name = sheet.substr(at, colon - at);
        std::string value = sheet.substr(colon + 2, end - colon - 2);
        const bool shorthand = name == "background";
        if (shorthand || name == "background-image") {
            std::vector<std::string> layers;
            for (const ValuePiece& piece : SplitLayers(value))
                layers.emplace_back(piece.Text);
            for (size_t i = layers.size(); i-- > 0;) {
                std::string layer = layers[i];
                const bool last = i + 1 == layers.size();
                std::string image = layer;
                if (shorthand) {
                    const auto parsed = ParseBackgroundLayer(layer, last);
                    if (!parsed)
                        continue;
                    for (size_t p = 0; p < kBackgroundParts; ++p) {
                        const auto part = static_cast<BackgroundPart>(p);
                        if (!parsed->Has(part))
                            continue;
                        const auto again = WithBackgroundPart(
                            layer, last, part, std::string(parsed->Piece(part).Text));
                        if (again) {
                            layer = *again;
                            ++splices;
                        }
                    }
                    image = std::string(
                        ParseBackgroundLayer(layer, last)->Piece(BackgroundPart::Image).Text);
                }
                if (auto gradient = ParseGradient(image)) {
                    std::string edited = image;
                    for (size_t s = 0; s < gradient->Stops.size(); ++s) {
                        const GradientStop& stop = gradient->Stops[s];
                        if (!stop.IsHint())
                            if (auto again = WithStopColor(edited, s, std::string(stop.Color.Text)))
                                edited = *again, ++splices;
                        if (stop.PositionCount() > 0)
                            if (auto again = WithStopPosition(edited, s,
                                                              std::string(stop.Positions[0].Text)))
                                edited = *again, ++splices;
                    }
                    if (gradient->Angle.Begin != std::string::npos)
                        if (auto again =
                                WithGradientAngle(edited, std::string(gradient->Angle.Text)))
                            edited = *again, ++splices;
                    const size_t place = layer.find(image);
                    layer.replace(place, image.size(), edited);
                }
                value = WithLayer(value, i, layer);
            }
        }
        out += sheet.substr(from, colon + 2 - from) + value;
        from = end;
    }
    return out + sheet.substr(from);
}

TEST_F(RealParserBackgrounds, WrittenAnewOrPartByPartTheyKeepTheirComputedStyle) {
    const std::string sheet = testing::GenerateBackgrounds(20261209, kRules);
    const auto original = Computed("original", sheet);
    ASSERT_TRUE(original) << "the page did not load";
    ASSERT_EQ(original->size(), static_cast<size_t>(kRules));
    // The engine takes the generated values: the check has something to compare.
    int drawn = 0;
    for (const QString& background : *original)
        drawn += background.contains(QStringLiteral("gradient(")) ? 1 : 0;
    EXPECT_GT(drawn, kRules / 2);

    const auto anew = Computed("anew", testing::WrittenAnew(sheet));
    ASSERT_TRUE(anew);
    EXPECT_EQ(Differences(*original, *anew), "");

    int splices = 0;
    const std::string parts = WrittenPartByPart(sheet, splices);
    EXPECT_GT(splices, kRules * 3);
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
