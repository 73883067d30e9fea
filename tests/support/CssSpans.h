#pragma once

// The spans a CSS text is coloured in, written out for comparing with a table: each
// span that is not a blank as "kind:text", joined with blanks; and whether the spans
// cover a text byte for byte.

#include "mapping/CssColouring.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesselo::testing {

inline const char* SpanKindName(CssSpanKind kind) {
    switch (kind) {
    case CssSpanKind::Blank:
        return "blank";
    case CssSpanKind::Selector:
        return "sel";
    case CssSpanKind::AtRule:
        return "at";
    case CssSpanKind::Property:
        return "prop";
    case CssSpanKind::Value:
        return "val";
    case CssSpanKind::Number:
        return "num";
    case CssSpanKind::Unit:
        return "unit";
    case CssSpanKind::Colour:
        return "colour";
    case CssSpanKind::String:
        return "str";
    case CssSpanKind::Url:
        return "url";
    case CssSpanKind::Comment:
        return "comment";
    case CssSpanKind::Important:
        return "imp";
    case CssSpanKind::Variable:
        return "var";
    case CssSpanKind::Punctuation:
        return "punct";
    }
    return "?";
}

inline std::string SpansWritten(std::string_view text, const std::vector<CssSpan>& spans) {
    std::string out;
    for (const CssSpan& span : spans) {
        if (span.Kind == CssSpanKind::Blank)
            continue;
        if (!out.empty())
            out += ' ';
        out += SpanKindName(span.Kind);
        out += ':';
        out += text.substr(span.Begin, span.End - span.Begin);
    }
    return out;
}

// Empty when the spans follow each other from the first byte to the last without a gap,
// an overlap or an empty span; else where they do not.
inline std::string CoverageFault(std::string_view text, const std::vector<CssSpan>& spans) {
    size_t at = 0;
    for (const CssSpan& span : spans) {
        if (span.Begin != at || span.End <= span.Begin)
            return "span [" + std::to_string(span.Begin) + ", " + std::to_string(span.End) +
                   ") where byte " + std::to_string(at) + " was due";
        at = span.End;
    }
    return at == text.size()
               ? std::string()
               : "spans end at " + std::to_string(at) + " of " + std::to_string(text.size());
}

} // namespace tesselo::testing
