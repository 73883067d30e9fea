// Gradients and background layers taken apart as written: a stop's colour or position,
// a stop added or taken away, the angle, a layer's part, each changed in its place with
// the rest of the value kept byte for byte.

#include "mapping/Gradient.h"
#include "support/ValuePieces.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::PieceText;

// "colour|first|second" of each stop, "-" for a piece left out.
std::vector<std::string> StopTexts(std::string_view text, const Gradient& gradient) {
    std::vector<std::string> stops;
    for (const GradientStop& stop : gradient.Stops)
        stops.push_back(PieceText(text, stop.Color) + "|" + PieceText(text, stop.Positions[0]) +
                        "|" + PieceText(text, stop.Positions[1]));
    return stops;
}

TEST(Gradient, TheHeadAndTheStopsAreFoundWhereTheAuthorWroteThem) {
    struct Case {
        std::string Text;
        GradientShape Shape;
        bool Repeating;
        std::string Head, Angle;
        std::vector<std::string> Stops;
    } const cases[] = {
        {"linear-gradient(red, blue)",
         GradientShape::Linear,
         false,
         "-",
         "-",
         {"red|-|-", "blue|-|-"}},
        {"linear-gradient(to top right, rgba(0,0,0,.5) 0%, #fff 100%)",
         GradientShape::Linear,
         false,
         "to top right",
         "-",
         {"rgba(0,0,0,.5)|0%|-", "#fff|100%|-"}},
        {"linear-gradient(45deg, red 10% 20%, 30%, blue)",
         GradientShape::Linear,
         false,
         "45deg",
         "45deg",
         {"red|10%|20%", "-|30%|-", "blue|-|-"}},
        {"repeating-radial-gradient(circle at 50% 50%, red 0 10px, 5px blue)",
         GradientShape::Radial,
         true,
         "circle at 50% 50%",
         "-",
         {"red|0|10px", "blue|5px|-"}},
        {"conic-gradient(from 0.25turn at 0 0, red, var(--bs-blue, #00f) 50%, red)",
         GradientShape::Conic,
         false,
         "from 0.25turn at 0 0",
         "0.25turn",
         {"red|-|-", "var(--bs-blue, #00f)|50%|-", "red|-|-"}},
        {"-webkit-linear-gradient(top, #fff 0%, #000 100%)",
         GradientShape::Linear,
         false,
         "top",
         "-",
         {"#fff|0%|-", "#000|100%|-"}},
        {"Linear-Gradient(calc(90deg + 1turn),transparent,currentColor)",
         GradientShape::Linear,
         false,
         "calc(90deg + 1turn)",
         "calc(90deg + 1turn)",
         {"transparent|-|-", "currentColor|-|-"}},
    };
    for (const Case& c : cases) {
        const auto gradient = ParseGradient(c.Text);
        ASSERT_TRUE(gradient) << c.Text;
        EXPECT_EQ(gradient->Shape, c.Shape) << c.Text;
        EXPECT_EQ(gradient->Repeating, c.Repeating) << c.Text;
        EXPECT_EQ(PieceText(c.Text, gradient->Head), c.Head) << c.Text;
        EXPECT_EQ(PieceText(c.Text, gradient->Angle), c.Angle) << c.Text;
        EXPECT_EQ(StopTexts(c.Text, *gradient), c.Stops) << c.Text;
    }
}

TEST(Gradient, TextThatIsNoGradientIsRefused) {
    for (const char* text : {
             "linear-gradient(red)",                 // one colour stop
             "linear-gradient(red, 10%)",            // a hint at the end
             "linear-gradient(10%, red, blue)",      // a hint at the start
             "linear-gradient(red, 10%, 20%, blue)", // two hints together
             "linear-gradient(sideways, red, blue)",
             "linear-gradient(red 1px 2px 3px, blue)",
             "linear-gradient(red blue, green)",
             "linear-gradient(red, blue",
             "-webkit-conic-gradient(red, blue)",
             "url(a.png)",
             "gradient(red, blue)",
         })
        EXPECT_FALSE(ParseGradient(text)) << text;
}

TEST(Gradient, StopsStandWhereTheBrowserPutsThem) {
    struct Case {
        std::string Text;
        std::vector<double> Fractions;
    } const cases[] = {
        {"linear-gradient(red, blue)", {0, 1}},
        {"linear-gradient(red, green, blue)", {0, 0.5, 1}},
        {"linear-gradient(red 20%, green, yellow, blue 80%)", {0.2, 0.4, 0.6, 0.8}},
        {"linear-gradient(red 50%, blue 10%)", {0.5, 0.5}}, // never before the one in front
        {"linear-gradient(red 10px, 40%, blue)", {0, 1}},   // lengths and hints: nowhere known
        {"conic-gradient(red 90deg, blue 0.5turn)", {0.25, 0.5}},
        {"linear-gradient(red -20%, blue 150%)", {0, 1}},
    };
    for (const Case& c : cases) {
        const auto gradient = ParseGradient(c.Text);
        ASSERT_TRUE(gradient) << c.Text;
        const auto fractions = StopFractions(*gradient);
        ASSERT_EQ(fractions.size(), c.Fractions.size()) << c.Text;
        for (size_t i = 0; i < fractions.size(); ++i)
            EXPECT_NEAR(fractions[i], c.Fractions[i], 1e-9) << c.Text << " stop " << i;
    }
}

TEST(Gradient, AStopsColourOrPositionIsWrittenInItsPlace) {
    const std::string twoPlaces = "linear-gradient(to right,red 10% 20%,  blue)";
    struct Case {
        std::optional<std::string> Got;
        std::optional<std::string> Want;
    } const cases[] = {
        {WithStopColor("linear-gradient(to right, red 0%, blue 100%)", 1, "rgba(0, 0, 255, 0.5)"),
         "linear-gradient(to right, red 0%, rgba(0, 0, 255, 0.5) 100%)"},
        {WithStopColor("conic-gradient(from 90deg, var(--a), red)", 0, "green"),
         "conic-gradient(from 90deg, green, red)"},
        {WithStopColor("linear-gradient(red, 30%, blue)", 1, "green"), std::nullopt}, // a hint
        {WithStopColor("linear-gradient(red, blue)", 0, "10px"), std::nullopt},
        {WithStopPosition("linear-gradient(red, blue)", 0, "25%"),
         "linear-gradient(red 25%, blue)"},
        {WithStopPosition(twoPlaces, 0, "30%"), "linear-gradient(to right,red 30% 40%,  blue)"},
        {WithStopPosition("linear-gradient(red, 30%, blue)", 1, "40%"),
         "linear-gradient(red, 40%, blue)"},
        {WithStopPosition("linear-gradient(10px red, blue)", 0, "12.5%"),
         "linear-gradient(12.5% red, blue)"},
        {WithStopPosition("linear-gradient(red, blue)", 0, "wide"), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Got, c.Want) << c.Want.value_or("(refused)");
}

TEST(Gradient, AStopAddedGoesHalfwayWithTheColourBetween) {
    struct Case {
        std::string Text;
        size_t Stop;
        std::optional<std::string> Want;
        size_t Index;
    } const cases[] = {
        {"linear-gradient(#000 0%, #fff 100%)", 0,
         "linear-gradient(#000 0%, #808080 50%, #fff 100%)", 1},
        // After the last stop: between it and the one before, the author's separator.
        {"linear-gradient(rgb(255, 0, 0) 0%,rgb(0, 0, 255) 50%)", 1,
         "linear-gradient(rgb(255, 0, 0) 0%,rgb(128, 0, 128) 25%,rgb(0, 0, 255) 50%)", 1},
        // A colour that is no plain colour is the first's.
        {"linear-gradient(var(--a) 0%, red 50%)", 0,
         "linear-gradient(var(--a) 0%, var(--a) 25%, red 50%)", 1},
        // Before a hint: the hint stays between the new stop and the next.
        {"linear-gradient(45deg, #000, 80%, #fff 60%)", 0,
         "linear-gradient(45deg, #000, #808080 30%, 80%, #fff 60%)", 1},
        {"linear-gradient(red, 30%, blue)", 1, std::nullopt, 0}, // a hint
    };
    for (const Case& c : cases) {
        const auto added = WithStopAdded(c.Text, c.Stop);
        EXPECT_EQ(added ? std::optional(added->Text) : std::nullopt, c.Want) << c.Text;
        if (added) {
            EXPECT_EQ(added->Index, c.Index) << c.Text;
        }
    }
}

TEST(Gradient, AStopAddedWhereTheStripWasClickedTakesTheColourThere) {
    struct Case {
        double At;
        std::string Want;
    } const cases[] = {
        {0.25, "linear-gradient(#000 0%, #404040 25%, #fff 100%)"},
        {1.5, "linear-gradient(#000 0%, #FFFFFF 100%, #fff 100%)"}, // kept between the two
        {0.1234, "linear-gradient(#000 0%, #1F1F1F 12.3%, #fff 100%)"},
    };
    for (const Case& c : cases) {
        const auto added = WithStopAdded("linear-gradient(#000 0%, #fff 100%)", 0, c.At);
        ASSERT_TRUE(added) << c.At;
        EXPECT_EQ(added->Text, c.Want) << c.At;
    }
}

TEST(Gradient, AStopTakenAwayTakesAHintThatWouldStandAlone) {
    struct Case {
        std::string Text;
        size_t Stop;
        std::optional<std::string> Want;
    } const cases[] = {
        {"linear-gradient(to top right, red, green, blue)", 1,
         "linear-gradient(to top right, red, blue)"},
        {"linear-gradient(red, green, blue)", 0, "linear-gradient(green, blue)"},
        {"linear-gradient(red, green,\n  blue)", 2, "linear-gradient(red, green)"},
        {"linear-gradient(red, 20%, green, blue)", 0, "linear-gradient(green, blue)"},
        {"linear-gradient(red, green, 70%, blue)", 3, "linear-gradient(red, green)"},
        {"linear-gradient(red, 20%, green, 70%, blue)", 2, "linear-gradient(red, 70%, blue)"},
        {"linear-gradient(red, blue)", 0, std::nullopt}, // two stops stay
        {"linear-gradient(red, 50%, green, blue)", 1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithoutStop(c.Text, c.Stop), c.Want) << c.Text;
}

TEST(Gradient, TheAngleReplacesTheSideOrIsWrittenFirst) {
    struct Case {
        std::string Text, Angle;
        std::optional<std::string> Want;
    } const cases[] = {
        {"linear-gradient(to top right, red, blue)", "45deg", "linear-gradient(45deg, red, blue)"},
        {"linear-gradient(red,blue)", "0.25turn", "linear-gradient(0.25turn,red,blue)"},
        {"linear-gradient(45deg, red, blue)", "1rad", "linear-gradient(1rad, red, blue)"},
        {"conic-gradient(red, blue)", "90deg", "conic-gradient(from 90deg, red, blue)"},
        {"conic-gradient(at 0 0, red, blue)", "90deg",
         "conic-gradient(from 90deg at 0 0, red, blue)"},
        {"conic-gradient(from 10deg, red, blue)", "20deg", "conic-gradient(from 20deg, red, blue)"},
        {"-webkit-linear-gradient(90deg, red, blue)", "0deg",
         "-webkit-linear-gradient(0deg, red, blue)"},
        {"-webkit-linear-gradient(top, red, blue)", "0deg", std::nullopt},
        {"radial-gradient(circle, red, blue)", "45deg", std::nullopt},
        {"linear-gradient(red, blue)", "45", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithGradientAngle(c.Text, c.Angle), c.Want) << c.Text;
}

TEST(Gradient, TheLineRunsAtTheAngleTheHeadSays) {
    struct Case {
        std::string Text;
        std::optional<double> Degrees;
    } const cases[] = {
        {"linear-gradient(red, blue)", 180},
        {"linear-gradient(to top right, red, blue)", 45},
        {"linear-gradient(to left, red, blue)", 270},
        {"linear-gradient(0.5turn, red, blue)", 180},
        {"-webkit-linear-gradient(top, red, blue)", 180},
        {"-webkit-linear-gradient(90deg, red, blue)", 0},
        {"linear-gradient(calc(1turn / 2), red, blue)", std::nullopt},
        {"linear-gradient(var(--a), red, blue)", 180}, // a var() first is a colour
    };
    for (const Case& c : cases) {
        const auto gradient = ParseGradient(c.Text);
        ASSERT_TRUE(gradient) << c.Text;
        const auto degrees = GradientDegrees(*gradient);
        ASSERT_EQ(degrees.has_value(), c.Degrees.has_value()) << c.Text;
        if (degrees) {
            EXPECT_NEAR(*degrees, *c.Degrees, 1e-9) << c.Text;
        }
    }
}

// ---------------------------------------------------------------------------
// Background layers

std::vector<std::string> PartTexts(std::string_view layer, const BackgroundLayer& parsed) {
    std::vector<std::string> parts;
    for (const ValuePiece& piece : parsed.Parts)
        parts.push_back(PieceText(layer, piece));
    return parts;
}

TEST(BackgroundLayer, EachPartIsFoundInTheAuthorsOrder) {
    // Image, position, size, repeat, attachment, origin, clip, colour.
    struct Case {
        std::string Layer;
        bool Last;
        std::vector<std::string> Parts;
    } const cases[] = {
        {"url(a.png) no-repeat center / cover",
         true,
         {"url(a.png)", "center", "cover", "no-repeat", "-", "-", "-", "-"}},
        {"#fff url(a/b.png) left 10px top/50% auto repeat-x fixed content-box padding-box",
         true,
         {"url(a/b.png)", "left 10px top", "50% auto", "repeat-x", "fixed", "content-box",
          "padding-box", "#fff"}},
        {"linear-gradient(to right, red, rgba(0,0,0,.5)) 0 0/100% 2px no-repeat",
         false,
         {"linear-gradient(to right, red, rgba(0,0,0,.5))", "0 0", "100% 2px", "no-repeat", "-",
          "-", "-", "-"}},
        {"padding-box", true, {"-", "-", "-", "-", "-", "padding-box", "padding-box", "-"}},
        {"none transparent", true, {"none", "-", "-", "-", "-", "-", "-", "transparent"}},
        {"repeat no-repeat local",
         false,
         {"-", "-", "-", "repeat no-repeat", "local", "-", "-", "-"}},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseBackgroundLayer(c.Layer, c.Last);
        ASSERT_TRUE(parsed) << c.Layer;
        EXPECT_EQ(PartTexts(c.Layer, *parsed), c.Parts) << c.Layer;
    }
    for (const char* refused : {"red url(a.png)", "var(--bs-bg)", "url(a.png) foo", "center /",
                                "url(a.png) url(b.png)", "cover", "repeat-x repeat-y"})
        EXPECT_FALSE(ParseBackgroundLayer(refused, false)) << refused;
}

TEST(BackgroundLayer, APartIsWrittenInItsPlaceOrWhereTheOrderPutsIt) {
    using BP = BackgroundPart;
    struct Case {
        std::string Layer;
        BP Part;
        std::string Value;
        std::optional<std::string> Want;
    } const cases[] = {
        {"url(a.png) center / cover no-repeat", BP::Size, "contain",
         "url(a.png) center / contain no-repeat"},
        {"url(a.png) no-repeat", BP::Size, "cover", "url(a.png) 0 0 / cover no-repeat"},
        {"url(a.png) center no-repeat", BP::Size, "10px 20px",
         "url(a.png) center / 10px 20px no-repeat"},
        {"url(a.png) center/cover", BP::Size, "", "url(a.png) center"},
        {"url(a.png) center/cover", BP::Position, "", "url(a.png) 0 0/cover"},
        {"url(a.png)  left top  no-repeat", BP::Position, "right 5px bottom",
         "url(a.png)  right 5px bottom  no-repeat"},
        {"url(a.png) no-repeat fixed", BP::Repeat, "", "url(a.png) fixed"},
        {"url(a.png) fixed", BP::Attachment, "scroll", "url(a.png) scroll"},
        {"url(a.png)", BP::Color, "red", "url(a.png) red"},
        {"red", BP::Image, "url(x.png)", "url(x.png) red"},
        {"#fff", BP::Image, "linear-gradient(red, blue)", "linear-gradient(red, blue) #fff"},
        {"url(a.png) content-box", BP::Clip, "padding-box", "url(a.png) content-box padding-box"},
        {"url(a.png) content-box", BP::Origin, "border-box", "url(a.png) border-box content-box"},
        {"url(a.png) content-box", BP::Clip, "content-box", "url(a.png) content-box"},
        {"url(a.png) content-box", BP::Origin, "Content-Box", "url(a.png) content-box"},
        {"url(a.png) red", BP::Clip, "content-box", "url(a.png) padding-box content-box red"},
        {"url(a.png) red", BP::Origin, "content-box", "url(a.png) content-box border-box red"},
        {"url(a.png) repeat-x", BP::Repeat, "var(--r)", std::nullopt},
        {"url(a.png) repeat-x", BP::Repeat, "red", std::nullopt},
        {"url(a.png); color: red", BP::Repeat, "no-repeat", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithBackgroundPart(c.Layer, true, c.Part, c.Value), c.Want)
            << c.Layer << " <- " << c.Value;
    // Only the last layer takes a colour.
    EXPECT_EQ(WithBackgroundPart("url(a.png)", false, BP::Color, "red"), std::nullopt);
}

TEST(BackgroundLayer, AChangeInOneLayerLeavesTheOthersAsWritten) {
    struct Case {
        std::string Value;
        size_t Layer;
        BackgroundPart Part;
        std::string Text;
        std::string Want;
    } const cases[] = {
        {"url(a.png) no-repeat", 0, BackgroundPart::Repeat, "repeat-y", "url(a.png) repeat-y"},
        {"linear-gradient(rgba(0,0,0,.5), transparent),\n    url(b.png) no-repeat", 1,
         BackgroundPart::Position, "center",
         "linear-gradient(rgba(0,0,0,.5), transparent),\n    url(b.png) center no-repeat"},
        {"url(a.png) top left,url(b.png) center,  #FFF", 2, BackgroundPart::Color,
         "rgba(0, 0, 0, 0.5)", "url(a.png) top left,url(b.png) center,  rgba(0, 0, 0, 0.5)"},
        {"url(a.png) top left,url(b.png) center,  #FFF", 1, BackgroundPart::Size, "cover",
         "url(a.png) top left,url(b.png) center / cover,  #FFF"},
    };
    for (const Case& c : cases) {
        const auto layers = SplitLayers(c.Value);
        ASSERT_LT(c.Layer, layers.size()) << c.Value;
        const auto layer =
            WithBackgroundPart(layers[c.Layer].Text, c.Layer + 1 == layers.size(), c.Part, c.Text);
        ASSERT_TRUE(layer) << c.Value;
        EXPECT_EQ(WithLayer(c.Value, c.Layer, *layer), c.Want);
    }
}

} // namespace
} // namespace tesselo
