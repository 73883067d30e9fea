#include "support/GeneratedBackgrounds.h"

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
        static const std::vector<std::string> colors = {"red",
                                                        "#fff",
                                                        "#0d6efd",
                                                        "rgba(0, 0, 0, .5)",
                                                        "rgb(255 0 0 / 50%)",
                                                        "transparent",
                                                        "hsl(120, 50%, 50%)",
                                                        "#00000080",
                                                        "currentColor",
                                                        "var(--c, #123456)"};
        return Pick(colors);
    }

    std::string Position(bool conic) {
        static const std::vector<std::string> lengths = {"0",   "10%",  "25%",  "50%",
                                                         "75%", "100%", "12px", "2em"};
        static const std::vector<std::string> angles = {"0deg", "90deg", "0.5turn", "25%"};
        return conic ? Pick(angles) : Pick(lengths);
    }

    std::string Stops(bool conic) {
        std::string stops;
        const int count = 2 + Below(3);
        for (int i = 0; i < count; ++i) {
            // Appended in steps: a literal + a temporary string makes GCC 12 at -O3 warn
            // falsely of overlapping copies (-Wrestrict).
            if (i > 0 && Below(5) == 0) { // a hint
                stops += ", ";
                stops += Position(conic);
            }
            if (i)
                stops += ", ";
            stops += Color();
            for (int p = Below(3); p > 0; --p) {
                stops += ' ';
                stops += Position(conic);
            }
        }
        return stops;
    }

    std::string Gradient() {
        static const std::vector<std::string> linearHeads = {
            "", "45deg, ", "to right, ", "to top right, ", "0.25turn, ", "180deg, ", "to left, "};
        static const std::vector<std::string> radialHeads = {"",
                                                             "circle, ",
                                                             "ellipse at top, ",
                                                             "circle at 25% 75%, ",
                                                             "closest-side, ",
                                                             "20px 10px at center, "};
        static const std::vector<std::string> conicHeads = {
            "", "from 90deg, ", "from 0.1turn at 25% 25%, ", "at center, "};
        const std::string repeating = Below(5) == 0 ? "repeating-" : "";
        switch (Below(4)) {
        case 0:
            return repeating + "radial-gradient(" + Pick(radialHeads) + Stops(false) + ")";
        case 1:
            return repeating + "conic-gradient(" + Pick(conicHeads) + Stops(true) + ")";
        case 2:
            if (Below(3) == 0)
                return "-webkit-linear-gradient(" +
                       Pick(std::vector<std::string>{"top, ", "left, ", "45deg, "}) + Color() +
                       ", " + Color() + ")";
            [[fallthrough]];
        default:
            return repeating + "linear-gradient(" + Pick(linearHeads) + Stops(false) + ")";
        }
    }

    std::string Image() {
        return Below(4) == 0 ? "url(\"img" + std::to_string(Below(9)) + ".png\")" : Gradient();
    }

    // One layer of the shorthand, its parts in an order authors use.
    std::string Layer(bool last) {
        std::vector<std::string> parts;
        if (last && Below(3) == 0)
            parts.push_back(Color());
        parts.push_back(Image());
        if (Below(2)) {
            std::string position = Pick(std::vector<std::string>{
                "center", "left top", "right 10px bottom 5px", "50% 0", "0 0", "top"});
            if (Below(2))
                position += Pick(
                    std::vector<std::string>{" / cover", "/contain", " / 100% 2px", " / auto 50%"});
            parts.push_back(position);
        }
        if (Below(2))
            parts.push_back(
                Pick(std::vector<std::string>{"no-repeat", "repeat-x", "repeat-y", "space round"}));
        if (Below(4) == 0)
            parts.push_back(Pick(std::vector<std::string>{"fixed", "local", "scroll"}));
        if (Below(4) == 0)
            parts.push_back(Pick(std::vector<std::string>{"content-box", "padding-box border-box",
                                                          "border-box content-box"}));
        if (last && parts.front() != parts.back() && Below(3) == 0)
            parts.push_back(Color());
        std::string layer;
        for (const std::string& part : parts)
            layer += (layer.empty() ? "" : " ") + part;
        return layer;
    }

private:
    std::mt19937 random_;
};

} // namespace

std::string GenerateBackgrounds(uint32_t seed, int rules) {
    Maker maker(seed);
    std::string sheet;
    for (int i = 0; i < rules; ++i) {
        sheet += ".g" + std::to_string(i) + " {\n";
        const int layers = 1 + maker.Below(3);
        if (maker.Below(3)) {
            std::string value;
            for (int l = 0; l < layers; ++l)
                value += (l ? ",\n    " : "") + maker.Layer(l + 1 == layers);
            sheet += "  background: " + value + ";\n";
        } else {
            std::string images, sizes;
            for (int l = 0; l < layers; ++l) {
                images += (l ? ", " : "") + maker.Image();
                sizes += (l ? ", " : "") +
                         maker.Pick(std::vector<std::string>{"auto", "cover", "50% 100%", "10px"});
            }
            sheet += "  background-image: " + images + ";\n  background-size: " + sizes + ";\n";
            if (maker.Below(2))
                sheet += "  background-clip: padding-box;\n  background-origin: content-box;\n";
        }
        sheet += "}\n";
    }
    return sheet;
}

} // namespace tesselo::testing
