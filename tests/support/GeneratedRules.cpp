#include "support/GeneratedRules.h"

#include <random>
#include <vector>

namespace tesselo::testing {
namespace {

using Choices = std::vector<std::string>;

class RuleMaker {
public:
    explicit RuleMaker(uint32_t seed) : rng_(seed) {}

    std::string Rule(int n) {
        const std::string id = std::to_string(n);
        const Choices selectors = {".g" + id,
                                   "a.g" + id + ":hover",
                                   "#g" + id + " > p",
                                   ".g" + id + ",\n.h" + id,
                                   ".g" + id + ", /* and */ .h" + id,
                                   "ul.g" + id + " li + li"};
        std::string text = Pick(selectors) + " {";
        const int count = 2 + Below(5);
        for (int i = 0; i < count; ++i) {
            text += Chance(0.5) ? "\n  " : " ";
            if (Chance(0.1))
                text += "/* note " + std::to_string(i) + " */ ";
            text += Declaration();
            // The last declaration may go without its ";".
            if (i + 1 < count || Chance(0.7))
                text += ";";
        }
        text += Chance(0.5) ? "\n}\n" : " }\n";
        return text;
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    const std::string& Pick(const Choices& choices) {
        return choices[static_cast<size_t>(Below(static_cast<int>(choices.size())))];
    }

    // Adds word after a space, or alone to an empty value.
    static void AppendWord(std::string& value, const std::string& word) {
        if (!value.empty())
            value += ' ';
        value += word;
    }

    std::string Number() {
        static const Choices numbers = {"0", "1", "12", "1.5", ".5", "-2", "100", "0.25"};
        return Pick(numbers);
    }

    std::string Length() {
        static const Choices units = {"px", "pt",  "pc", "in", "mm",   "cm",   "Q", "em", "ex",
                                      "ch", "rem", "vw", "vh", "vmin", "vmax", "%", "PX"};
        const std::string n = Number();
        return n == "0" && Chance(0.5) ? n : n + Pick(units);
    }

    std::string Function() {
        static const Choices functions = {
            "calc(1px + 2em)",        "calc((100% - 10px) / 3)", "var(--gap)",
            "var(--Gap, 4px)",        "min(10px, 5vw)",          "max(1em, 10px)",
            "clamp(1rem, 2vw, 3rem)", "calc(var(--gap) * 2)"};
        return Pick(functions);
    }

    std::string Wide() {
        static const Choices wide = {"inherit", "initial", "unset", "revert"};
        return Pick(wide);
    }

    std::string LengthValue(bool negative) {
        const int kind = Below(10);
        if (kind < 6) {
            std::string length = Length();
            return negative || length[0] != '-' ? length : length.substr(1);
        }
        if (kind < 8)
            return Function();
        return kind == 8 || !negative ? Wide() : "auto"; // padding takes no auto
    }

    std::string Color() {
        static const Choices colors = {"red",
                                       "Teal",
                                       "rebeccapurple",
                                       "#f00",
                                       "#f008",
                                       "#336699",
                                       "#33669980",
                                       "rgb(1, 2, 3)",
                                       "rgb(1 2 3 / 50%)",
                                       "rgba(0, 0, 0, .5)",
                                       "hsl(120, 50%, 50%)",
                                       "hsl(120deg 50% 50% / .3)",
                                       "hsla(200, 10%, 20%, 0.7)",
                                       "currentColor",
                                       "transparent",
                                       "var(--Brand)",
                                       "inherit"};
        return Pick(colors);
    }

    // Padding takes no negative length and no auto.
    std::string Box(bool margin) {
        std::string value = LengthValue(margin);
        for (int parts = Below(4); parts > 0; --parts) {
            std::string part = Chance(0.8) || !margin ? Length() : std::string("auto");
            // Appended in steps: GCC 12 at -O3 warns falsely (-Wrestrict) on " " + string.
            value += ' ';
            value += margin || part[0] != '-' ? part : part.substr(1);
        }
        return value;
    }

    std::string Border() {
        static const Choices styles = {"solid", "dotted", "dashed", "double", "none", "inset"};
        static const Choices widths = {"1px", "thin", "medium", "2px", ".5em"};
        std::string value;
        if (Chance(0.8))
            value += Pick(widths);
        if (Chance(0.8))
            AppendWord(value, Pick(styles));
        if (Chance(0.6) || value.empty())
            AppendWord(value, Color());
        return value;
    }

    std::string Font() {
        static const Choices families = {"Arial, sans-serif", "\"Open Sans\", serif",
                                         "'A:b;c', monospace", "Georgia", "var(--font)"};
        static const Choices sizes = {"12px", "1rem", "small", "120%", "calc(1em + 2px)"};
        std::string value;
        if (Chance(0.4))
            value += "italic ";
        if (Chance(0.3))
            value += "small-caps ";
        if (Chance(0.4))
            value += Chance(0.5) ? "bold " : "300 ";
        value += Pick(sizes);
        if (Chance(0.4))
            value += "/1.5";
        return value + " " + Pick(families);
    }

    std::string Keyword(const Choices& property) {
        return property[0] + ": " +
               (Chance(0.15) ? Wide()
                             : property[static_cast<size_t>(
                                   1 + Below(static_cast<int>(property.size()) - 1))]);
    }

    std::string Plain() {
        static const std::vector<Choices> keywords = {
            {"text-align", "left", "right", "center", "justify", "start"},
            {"text-decoration", "underline", "none", "line-through", "overline",
             "underline dotted"},
            {"font-style", "normal", "italic", "oblique"},
            {"font-variant", "normal", "small-caps"},
            {"vertical-align", "top", "middle", "baseline", "sub", "text-top", "-2px"},
            {"display", "block", "inline", "none", "flex", "inline-block", "grid", "table-cell",
             "contents", "-webkit-box"},
            {"visibility", "visible", "hidden", "collapse"},
            {"overflow", "hidden", "auto", "scroll", "visible", "hidden auto"},
            {"position", "static", "relative", "absolute", "fixed", "sticky"},
            {"float", "left", "right", "none"},
            {"border-style", "solid", "dashed", "none", "solid dotted"},
            {"background-repeat", "no-repeat", "repeat-x", "repeat", "space"},
            {"background-attachment", "fixed", "scroll", "local"},
            {"background-position", "left top", "center", "right bottom", "10px 20%", "0 0"},
            {"font-weight", "bold", "normal", "700", "bolder", "lighter"},
            {"font-size", "small", "x-large", "larger", "12px", "1.2rem", "120%", "smaller"},
            {"font-family", "Arial, sans-serif", "\"Open Sans\", serif", "monospace",
             "'A:b;c', cursive", "Georgia"},
        };
        static const Choices lengths = {
            "margin-top",     "margin-right",   "margin-bottom", "margin-left", "padding-top",
            "padding-right",  "padding-bottom", "padding-left",  "top",         "right",
            "bottom",         "left",           "width",         "height",      "text-indent",
            "letter-spacing", "word-spacing",   "line-height",   "border-width"};
        static const Choices colors = {"color", "background-color", "border-color"};
        static const Choices odd = {"content: \"a; margin-top: 5px\"",
                                    "background-image: url(\"x;color:red;y.png\")",
                                    "background-image: url(img/a.png)",
                                    "background-image: linear-gradient(red, blue)",
                                    "-moz-border-radius-topleft: 3px",
                                    "-webkit-margin-start: 2px",
                                    "scroll-margin-top: 4px",
                                    "border-left-color: red",
                                    "*display: inline",
                                    "_height: 1px",
                                    "cursor: pointer",
                                    "clip: rect(1px, auto, auto, 2px)",
                                    "clip: auto",
                                    "line-height: 1.5",
                                    "margin: 0 auto",
                                    "width: 10px /* fixed */",
                                    "color: red /* brand */",
                                    "--gap: 3px"};
        switch (Below(9)) {
        case 0:
        case 1: {
            const std::string& property = Pick(lengths);
            const bool padding = property.starts_with("padding") || property == "border-width";
            return property + ": " + LengthValue(!padding);
        }
        case 2:
            return Pick(colors) + ": " + Color();
        case 3:
        case 4:
            return Keyword(keywords[static_cast<size_t>(Below(static_cast<int>(keywords.size())))]);
        case 5: {
            static const Choices boxes = {"margin", "padding"};
            const std::string& box = Pick(boxes);
            return box + ": " + Box(box == "margin");
        }
        case 6: {
            static const Choices borders = {"border", "border-top", "border-right", "border-bottom",
                                            "border-left"};
            return Pick(borders) + ": " + Border();
        }
        case 7:
            switch (Below(3)) {
            case 0:
                return "font: " + Font();
            case 1:
                return "background: " + Color() +
                       (Chance(0.5) ? " url(img/b.png) no-repeat left top" : "");
            default:
                return "border-width: 1px 2px" + std::string(Chance(0.5) ? " 3px 4px" : "");
            }
        default:
            return Pick(odd);
        }
    }

    std::string Declaration() {
        if (Chance(0.1)) {
            // A fallback for older browsers, then the value that wins.
            static const Choices fallbacks = {
                "color: red; color: rgb(0 0 0 / 50%)",
                "margin-top: 5px; margin-top: 1rem",
                "display: -webkit-box; display: flex",
                "background-color: #fff; background-color: rgba(255, 255, 255, .8)",
                "width: 100px; width: calc(100% - 2em)",
                "font-size: 12px; font-size: 1rem"};
            return Pick(fallbacks);
        }
        std::string declaration = Plain();
        if (Chance(0.12) && declaration.find("/*") == std::string::npos)
            declaration += Chance(0.8) ? " !important" : "!IMPORTANT";
        return declaration;
    }

    std::mt19937 rng_;
};

} // namespace

std::string GenerateRules(uint32_t seed, int rules) {
    RuleMaker maker(seed);
    std::string text = "/* generated rules, seed " + std::to_string(seed) + " */\n";
    for (int n = 0; n < rules; ++n)
        text += maker.Rule(n);
    return text;
}

} // namespace tesselo::testing
