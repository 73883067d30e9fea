// Layers, shadows, transitions and lists of functions taken apart as written, and one
// part changed in its place with the rest kept byte for byte.

#include "mapping/LayeredValue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

std::vector<std::string> Texts(const std::vector<ValuePiece>& pieces) {
    std::vector<std::string> texts;
    for (const ValuePiece& piece : pieces)
        texts.emplace_back(piece.Text);
    return texts;
}

TEST(LayeredValue, LayersSplitAtCommasOutsideFunctionsAndKeepTheirPlaces) {
    struct Case {
        std::string Value;
        std::vector<std::string> Layers;
    } const cases[] = {
        {"0 1px 2px red", {"0 1px 2px red"}},
        {"0 1px rgba(0,0,0,.5), inset 0 0 0 1px #fff",
         {"0 1px rgba(0,0,0,.5)", "inset 0 0 0 1px #fff"}},
        {"a 1s cubic-bezier(.1, .2, .3, 1),\n    b 2s, c 3s steps(4, end)",
         {"a 1s cubic-bezier(.1, .2, .3, 1)", "b 2s", "c 3s steps(4, end)"}},
        {"var(--x, 1px) var(--y, 2px) red", {"var(--x, 1px) var(--y, 2px) red"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const auto layers = SplitLayers(c.Value);
        EXPECT_EQ(Texts(layers), c.Layers) << c.Value;
        for (const ValuePiece& layer : layers)
            EXPECT_EQ(c.Value.substr(layer.Begin, layer.End - layer.Begin), layer.Text);
    }
}

TEST(LayeredValue, AddingRemovingAndMovingLayersKeepsTheAuthorsSeparators) {
    const std::string two = "a 1s,\n    b 2s";
    const std::string three = "a 1s,  b 2s,  c 3s";
    struct Case {
        std::string Got, Want;
    } const cases[] = {
        {WithLayerAdded("a 1s", 1, "b 2s"), "a 1s, b 2s"},
        {WithLayerAdded(two, 2, "c 3s"), "a 1s,\n    b 2s,\n    c 3s"},
        {WithLayerAdded(two, 0, "c 3s"), "c 3s,\n    a 1s,\n    b 2s"},
        {WithLayerAdded("", 0, "a 1s"), "a 1s"},
        {WithoutLayer(three, 0), "b 2s,  c 3s"},
        {WithoutLayer(three, 1), "a 1s,  c 3s"},
        {WithoutLayer(three, 2), "a 1s,  b 2s"},
        {WithoutLayer("a 1s", 0), ""},
        {WithLayerMoved(three, 0, 2), "b 2s,  c 3s,  a 1s"},
        {WithLayerMoved(three, 2, 0), "c 3s,  a 1s,  b 2s"},
        {WithLayerMoved(two, 1, 0), "b 2s,\n    a 1s"},
        {WithLayerMoved(two, 1, 5), two},
        {WithLayer(three, 1, "x 9s"), "a 1s,  x 9s,  c 3s"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Got, c.Want);
}

TEST(LayeredValue, AShadowsPartsAreFoundInTheOrderTheAuthorWroteThem) {
    struct Case {
        std::string Layer;
        std::vector<std::string> Lengths;
        std::string Color;
        bool Inset;
    } const cases[] = {
        {"0 1px 2px red", {"0", "1px", "2px"}, "red", false},
        {"red 0 1px", {"0", "1px"}, "red", false},
        {"inset 0 0 0 1px rgba(0, 0, 0, .125)",
         {"0", "0", "0", "1px"},
         "rgba(0, 0, 0, .125)",
         true},
        {"0 1px inset", {"0", "1px"}, "", true},
        {"#000 inset 2px 3px 4px", {"2px", "3px", "4px"}, "#000", true},
        {"var(--x) var(--y) 4px var(--c)", {"var(--x)", "var(--y)", "4px"}, "var(--c)", false},
        {"0 2px var(--shadow-color)", {"0", "2px"}, "var(--shadow-color)", false},
        {"calc(1px + 1px) 0 currentcolor", {"calc(1px + 1px)", "0"}, "currentcolor", false},
    };
    for (const Case& c : cases) {
        const auto shadow = ParseShadow(c.Layer);
        ASSERT_TRUE(shadow) << c.Layer;
        std::vector<std::string> lengths;
        for (const ValuePiece& piece : shadow->Lengths)
            if (piece.Begin != std::string::npos)
                lengths.emplace_back(piece.Text);
        EXPECT_EQ(lengths, c.Lengths) << c.Layer;
        EXPECT_EQ(std::string(shadow->Color.Text), c.Color) << c.Layer;
        EXPECT_EQ(shadow->Has(ShadowPart::Inset), c.Inset) << c.Layer;
    }
    for (const char* notShadow :
         {"none", "1px", "0 1px red 2px", "0 1px 2px 3px 4px", "0 1px red blue", "var(--shadow)",
          "inset inset 0 0", "0 1px solid"})
        EXPECT_FALSE(ParseShadow(notShadow)) << notShadow;
}

TEST(LayeredValue, OneShadowPartIsWrittenInItsPlace) {
    struct Case {
        std::string Layer;
        ShadowPart Part;
        std::string Value, Want;
    } const cases[] = {
        {"0  1px\t2px RED", ShadowPart::Y, "3px", "0  3px\t2px RED"},
        {"red 0 1px", ShadowPart::Color, "rgba(255, 0, 0, 0.5)", "rgba(255, 0, 0, 0.5) 0 1px"},
        {"0 1px", ShadowPart::Blur, "4px", "0 1px 4px"},
        {"0 1px red", ShadowPart::Spread, "2px", "0 1px 0 2px red"},
        {"0 1px 3px red", ShadowPart::Spread, "2px", "0 1px 3px 2px red"},
        {"0 1px 3px", ShadowPart::Color, "#000", "0 1px 3px #000"},
        {"0 1px 3px red", ShadowPart::Inset, "inset", "inset 0 1px 3px red"},
        {"0 1px 3px red inset", ShadowPart::Inset, "", "0 1px 3px red"},
        {"inset 0 1px 3px red", ShadowPart::Inset, "", "0 1px 3px red"},
        {"0 1px 3px red", ShadowPart::Color, "", "0 1px 3px"},
        {"0 1px 3px 2px", ShadowPart::Blur, "", "0 1px 0 2px"},
        {"0 1px 3px", ShadowPart::Blur, "", "0 1px"},
        {"var(--x) var(--y) 4px var(--c)", ShadowPart::Blur, "5px",
         "var(--x) var(--y) 5px var(--c)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithShadowPart(c.Layer, c.Part, c.Value).value_or("(none)"), c.Want) << c.Layer;
    EXPECT_FALSE(WithShadowPart("0 1px", ShadowPart::X, ""));
    EXPECT_FALSE(WithShadowPart("0 1px", ShadowPart::Blur, "red")) << "no length";
    EXPECT_FALSE(WithShadowPart("none", ShadowPart::Blur, "1px"));
}

TEST(LayeredValue, ATransitionsFirstTimeIsTheDurationTheSecondTheDelay) {
    struct Case {
        std::string Layer;
        std::array<std::string, 4> Parts; // property duration timing delay
    } const cases[] = {
        {"opacity .15s linear", {"opacity", ".15s", "linear", ""}},
        {"1s 200ms ease-in color", {"color", "1s", "ease-in", "200ms"}},
        {"transform .3s cubic-bezier(.25, .1, .25, 1) 1s",
         {"transform", ".3s", "cubic-bezier(.25, .1, .25, 1)", "1s"}},
        {"all 2s steps(4, end)", {"all", "2s", "steps(4, end)", ""}},
        {"border-color", {"border-color", "", "", ""}},
    };
    for (const Case& c : cases) {
        const auto transition = ParseTransition(c.Layer);
        ASSERT_TRUE(transition) << c.Layer;
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(std::string(transition->Parts[i].Text), c.Parts[i]) << c.Layer << " " << i;
    }
    for (const char* notTransition : {"1s 2s 3s", "a b", "opacity 1s ease linear", "1px"})
        EXPECT_FALSE(ParseTransition(notTransition)) << notTransition;
}

TEST(LayeredValue, OneTransitionPartIsWrittenInItsPlace) {
    using P = TransitionPart;
    struct Case {
        std::string Layer;
        P Part;
        std::string Value, Want;
    } const cases[] = {
        {"opacity .15s linear", P::Duration, ".3s", "opacity .3s linear"},
        {"opacity .15s linear", P::Timing, "steps(2, end)", "opacity .15s steps(2, end)"},
        {"opacity .15s", P::Timing, "ease-out", "opacity .15s ease-out"},
        {"opacity .15s ease", P::Delay, "1s", "opacity .15s ease 1s"},
        {"opacity", P::Delay, "1s", "opacity 0s 1s"},
        {".2s", P::Property, "color", "color .2s"},
        {"color", P::Duration, "1s", "color 1s"},
        {"color 1s 2s", P::Delay, "", "color 1s"},
        {"color 1s 2s", P::Duration, "", "color 0s 2s"},
        {"color 1s ease", P::Timing, "", "color 1s"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithTransitionPart(c.Layer, c.Part, c.Value).value_or("(none)"), c.Want)
            << c.Layer;
    EXPECT_FALSE(WithTransitionPart("color 1s", P::Duration, "fast"));
}

TEST(LayeredValue, TheTimingKeywordsAndCubicBezierGiveTheirHandles) {
    using H = std::array<double, 4>;
    EXPECT_EQ(CubicBezierOf("ease"), (H{0.25, 0.1, 0.25, 1}));
    EXPECT_EQ(CubicBezierOf("EASE-IN-OUT"), (H{0.42, 0, 0.58, 1}));
    EXPECT_EQ(CubicBezierOf("cubic-bezier(.1, -0.5, 0.9,1.5)"), (H{0.1, -0.5, 0.9, 1.5}));
    EXPECT_FALSE(CubicBezierOf("cubic-bezier(1.2, 0, 0, 1)")) << "x out of 0..1";
    EXPECT_FALSE(CubicBezierOf("cubic-bezier(0, 0, 1)"));
    EXPECT_FALSE(CubicBezierOf("steps(4)"));
    EXPECT_EQ(CubicBezierText({0.25, 0.1, 0.2501, 1}), "cubic-bezier(0.25, 0.1, 0.25, 1)");
    EXPECT_EQ(CubicBezierText({0, -0.0001, 1.23456, 0.5}), "cubic-bezier(0, 0, 1.235, 0.5)");
}

TEST(LayeredValue, FunctionListsGiveEachFunctionAndItsArguments) {
    const std::string value = "translateX(10px)  rotate( 45deg ) matrix(1, 0, 0, 1, 0, 0)";
    const auto functions = SplitFunctions(value);
    ASSERT_TRUE(functions);
    ASSERT_EQ(functions->size(), 3u);
    EXPECT_EQ((*functions)[0].Name, "translateX");
    EXPECT_EQ(Texts((*functions)[1].Args), std::vector<std::string>{"45deg"});
    EXPECT_EQ((*functions)[2].Args.size(), 6u);
    EXPECT_TRUE((*functions)[2].CommaSeparated);
    const auto shadow = SplitFunctions("drop-shadow(0 2px 4px rgba(0, 0, 0, .5)) blur(2px)");
    ASSERT_TRUE(shadow);
    EXPECT_EQ(Texts((*shadow)[0].Args),
              (std::vector<std::string>{"0", "2px", "4px", "rgba(0, 0, 0, .5)"}));
    for (const char* notList : {"none", "var(--t)x", "rotate(45deg) 10px", ""})
        EXPECT_FALSE(SplitFunctions(notList)) << notList;

    struct Case {
        std::optional<std::string> Got;
        std::string Want;
    } const cases[] = {
        {WithArgument(value, 1, 0, ".25turn"),
         "translateX(10px)  rotate( .25turn ) matrix(1, 0, 0, 1, 0, 0)"},
        {WithArgument(value, 2, 4, "5"),
         "translateX(10px)  rotate( 45deg ) matrix(1, 0, 0, 1, 5, 0)"},
        {WithoutFunction(value, 1), "translateX(10px)  matrix(1, 0, 0, 1, 0, 0)"},
        {WithoutFunction(value, 2), "translateX(10px)  rotate( 45deg )"},
        {WithoutFunction("scale(2)", 0), "none"},
        {WithFunctionAdded("none", "scale(1.5)"), "scale(1.5)"},
        {WithFunctionMoved(value, 0, 2),
         "rotate( 45deg )  matrix(1, 0, 0, 1, 0, 0) translateX(10px)"},
        {WithFunctionAdded("rotate(1deg)", "blur(2px)"), "rotate(1deg) blur(2px)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Got.value_or("(none)"), c.Want);
    EXPECT_FALSE(WithArgument(value, 0, 1, "1px")) << "translateX has one argument";
    EXPECT_FALSE(WithArgument(value, 0, 0, "1px, 2px")) << "a comma would add an argument";
}

} // namespace
} // namespace tesselo
