#include "support/GeneratedEffects.h"

#include <random>
#include <string>
#include <vector>

namespace tesselo::testing {
namespace {

class Maker {
public:
    explicit Maker(uint32_t seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }

    std::string Color() {
        static const std::vector<std::string> colors = {
            "red",       "#000",         "rgba(0, 0, 0, .25)", "rgb(0 0 0 / 50%)",
            "#0d6efd80", "currentColor", "hsl(200, 60%, 40%)", "var(--c, #123456)"};
        return Pick(colors);
    }

    std::string Length() {
        static const std::vector<std::string> lengths = {"0",    "1px",   "-2px", "3px",   ".5em",
                                                         "1rem", "0.2em", "10px", "-1.5px"};
        return Pick(lengths);
    }

    // A shadow layer: two to four lengths in a row (text-shadow takes no spread and no
    // inset), the colour before them, after them or none, inset first or last.
    std::string Shadow(bool box) {
        std::vector<std::string> words;
        std::string lengths = Length() + " " + Length();
        const int more = Below(box ? 3 : 2);
        for (int i = 0; i < more; ++i) {
            lengths += ' ';
            lengths += Pick(std::vector<std::string>{"0", "4px", "2px", ".75rem", "12px"});
        }
        const int color = Below(4); // 0, 1: after; 2: before; 3: none
        if (color == 2)
            words.push_back(Color());
        words.push_back(lengths);
        if (color < 2)
            words.push_back(Color());
        if (box && Below(4) == 0) {
            if (Below(2))
                words.insert(words.begin(), "inset");
            else
                words.push_back("inset");
        }
        std::string layer;
        for (const std::string& word : words)
            layer += (layer.empty() ? "" : " ") + word;
        return layer;
    }

    std::string Shadows(bool box) {
        if (Below(12) == 0)
            return Pick(std::vector<std::string>{"none", "var(--s)"});
        std::string value;
        const int layers = 1 + Below(3);
        for (int i = 0; i < layers; ++i)
            value += (i ? Pick(std::vector<std::string>{", ", ",\n    ", ","}) : "") + Shadow(box);
        return value;
    }

    std::string Time() {
        return Pick(std::vector<std::string>{"0s", ".3s", "200ms", "1s", "0.15s", "1.5s"});
    }

    // A transition layer: its parts in an order authors use, a delay after the duration.
    std::string TransitionLayer() {
        std::vector<std::string> parts;
        if (Below(5))
            parts.push_back(Pick(std::vector<std::string>{"opacity", "transform", "color", "all",
                                                          "background-color", "box-shadow"}));
        parts.push_back(Time());
        const std::string timing = Pick(std::vector<std::string>{
            "ease", "linear", "ease-in-out", "step-end", "cubic-bezier(0.4, 0, 0.2, 1)",
            "cubic-bezier(.17,.67,.83,.67)", "steps(4, end)", "steps(2)", "ease-out"});
        const int place = Below(3); // 0: after the duration, 1: first, 2: none
        if (place == 0)
            parts.push_back(timing);
        if (Below(3) == 0)
            parts.push_back(Time());
        if (place == 1)
            parts.insert(parts.begin(), timing);
        std::string layer;
        for (const std::string& part : parts)
            layer += (layer.empty() ? "" : " ") + part;
        return layer;
    }

    std::string Transform() {
        static const std::vector<std::string> functions = {"translate(10px, 20%)",
                                                           "translateX(-5px)",
                                                           "translateY(1em)",
                                                           "rotate(45deg)",
                                                           "rotate(0.25turn)",
                                                           "rotate(1rad)",
                                                           "rotate(-30deg)",
                                                           "scale(1.5)",
                                                           "scale(2, .5)",
                                                           "scaleX(-1)",
                                                           "skew(10deg, 5deg)",
                                                           "skewY(-0.1turn)",
                                                           "matrix(1, 0.5, -0.5, 1, 10, 20)",
                                                           "translate3d(1px, 2px, 0)",
                                                           "rotate(3.1416rad)"};
        if (Below(15) == 0)
            return "none";
        std::string value;
        for (int i = 1 + Below(3); i > 0; --i)
            value += (value.empty() ? "" : " ") + Pick(functions);
        return value;
    }

    std::string Filter() {
        static const std::vector<std::string> functions = {
            "blur(2px)",
            "brightness(1.2)",
            "brightness(80%)",
            "contrast(150%)",
            "grayscale(1)",
            "hue-rotate(90deg)",
            "hue-rotate(0.5turn)",
            "invert(.8)",
            "opacity(50%)",
            "saturate(2)",
            "sepia(60%)",
            "drop-shadow(2px 4px 6px black)",
            "drop-shadow(rgba(0, 0, 0, .5) 0 1px 2px)",
            "drop-shadow(1px 1px red)"};
        if (Below(15) == 0)
            return "none";
        std::string value;
        for (int i = 1 + Below(3); i > 0; --i)
            value += (value.empty() ? "" : " ") + Pick(functions);
        return value;
    }

private:
    std::mt19937 random_;
};

} // namespace

std::string GenerateEffects(uint32_t seed, int rules) {
    Maker maker(seed);
    std::string sheet;
    for (int i = 0; i < rules; ++i) {
        sheet += ".g" + std::to_string(i) + " {\n";
        if (maker.Below(4))
            sheet += "  box-shadow: " + maker.Shadows(true) + ";\n";
        if (maker.Below(3) == 0)
            sheet += "  text-shadow: " + maker.Shadows(false) + ";\n";
        if (maker.Below(2)) {
            std::string value;
            for (int l = 1 + maker.Below(3); l > 0; --l)
                value += (value.empty() ? "" : ", ") + maker.TransitionLayer();
            sheet += "  transition: " + value + ";\n";
        }
        if (maker.Below(2))
            sheet += "  transform: " + maker.Transform() + ";\n";
        if (maker.Below(2))
            sheet += "  filter: " + maker.Filter() + ";\n";
        sheet += "}\n";
    }
    return sheet;
}

} // namespace tesselo::testing
