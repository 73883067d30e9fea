#pragma once

// What a text view shows at a character: the format its colouring put there (the
// formats of the character's line, as the colouring gives them to the line's layout).

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <optional>

namespace tesselo::testing {

inline std::optional<QTextCharFormat> FormatAt(const QPlainTextEdit& view, int position) {
    const QTextBlock block = view.document()->findBlock(position);
    if (!block.isValid() || !block.layout())
        return std::nullopt;
    const int at = position - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (at >= range.start && at < range.start + range.length)
            return range.format;
    return std::nullopt;
}

// A wavy line under the character, from any of the formats there.
inline bool Underlined(const QPlainTextEdit& view, int position) {
    const QTextBlock block = view.document()->findBlock(position);
    if (!block.isValid() || !block.layout())
        return false;
    const int at = position - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (at >= range.start && at < range.start + range.length &&
            range.format.underlineStyle() == QTextCharFormat::WaveUnderline)
            return true;
    return false;
}

} // namespace tesselo::testing
