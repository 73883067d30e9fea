#pragma once

// The texts of pieces cut from a value, and a check that each stands where it says.

#include "mapping/LayeredValue.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesselo::testing {

inline std::vector<std::string> Texts(const std::vector<ValuePiece>& pieces) {
    std::vector<std::string> texts;
    for (const ValuePiece& piece : pieces)
        texts.emplace_back(piece.Text);
    return texts;
}

// The piece's text, or "-" for a piece left out; "!" when it is not the text its range
// covers in `value`.
inline std::string PieceText(std::string_view value, const ValuePiece& piece) {
    if (piece.Begin == std::string::npos)
        return "-";
    if (piece.End > value.size() ||
        value.substr(piece.Begin, piece.End - piece.Begin) != piece.Text)
        return "!";
    return std::string(piece.Text);
}

} // namespace tesselo::testing
