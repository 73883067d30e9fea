// Generated shadows, transitions, transforms and filters, read by the browser's engine:
// each rule written anew, and each part of each layer and each function's argument
// written back in its place, give every element the computed style the original gives
// it.

#include "mapping/LayeredValue.h"
#include "support/GeneratedEffects.h"
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

using testing::TempDir;
using testing::WriteBytes;

constexpr int kRules = 200;
constexpr int kWaitMs = 30000;

// The computed effects of every element, in their order, one string each.
const QString kReadEffects = QStringLiteral(R"JS(
JSON.stringify(Array.from(document.querySelectorAll('div'), function (e) {
  var s = getComputedStyle(e);
  return ['box-shadow', 'text-shadow', 'transition-property', 'transition-duration',
          'transition-timing-function', 'transition-delay', 'transform', 'filter']
      .map(function (p) { return p + ': ' + s.getPropertyValue(p); }).join('; ');
}))
)JS");

class RealParserEffects : public ::testing::Test {
protected:
    static void SetUpTestSuite() { page_ = new QWebEnginePage; }
    static void TearDownTestSuite() {
        delete page_;
        page_ = nullptr;
    }

    // The computed effects of the elements .g0 ... of a page that links the sheet.
    std::optional<std::vector<QString>> Computed(const std::string& name, const std::string& css) {
        WriteBytes(dir.File(name + ".css"), css);
        std::string html = "<!doctype html><html><head><meta charset=\"utf-8\"><link "
                           "rel=\"stylesheet\" href=\"" +
                           name + ".css\"></head><body style=\"--c: #abcdef; --s: 1px 2px red\">";
        for (int i = 0; i < kRules; ++i)
            html += "<div class=\"g" + std::to_string(i) + "\">x</div>";
        WriteBytes(dir.File(name + ".html"), html + "</body></html>");
        auto loaded = std::make_shared<std::optional<bool>>();
        auto json = std::make_shared<std::optional<QString>>();
        const auto connection = QObject::connect(page_, &QWebEnginePage::loadFinished,
                                                 [loaded](bool ok) { *loaded = ok; });
        page_->load(QUrl::fromLocalFile(QString::fromStdString(dir.File(name + ".html"))));
        const bool finished = QTest::qWaitFor([&] { return loaded->has_value(); }, kWaitMs);
        QObject::disconnect(connection);
        if (!finished || !**loaded)
            return std::nullopt;
        page_->runJavaScript(kReadEffects,
                             [json](const QVariant& result) { *json = result.toString(); });
        if (!QTest::qWaitFor([&] { return json->has_value(); }, kWaitMs))
            return std::nullopt;
        std::vector<QString> effects;
        for (const auto& item : QJsonDocument::fromJson((*json)->toUtf8()).array())
            effects.push_back(item.toString());
        return effects;
    }

    // The elements whose computed effects differ, named.
    static std::string Differences(const std::vector<QString>& original,
                                   const std::vector<QString>& other) {
        std::string faults;
        for (size_t i = 0; i < original.size() && i < other.size(); ++i)
            if (original[i] != other[i])
                faults += ".g" + std::to_string(i) + ":\n  " + original[i].toStdString() + "\n  " +
                          other[i].toStdString() + "\n";
        if (original.size() != other.size())
            faults += "elements: " + std::to_string(other.size()) + " of " +
                      std::to_string(original.size()) + "\n";
        return faults;
    }

    TempDir dir;
    static inline QWebEnginePage* page_ = nullptr;
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
