#pragma once

// The sheet's bytes as the views show them and typed text back, in the sheet's
// encoding; the window, which knows the encoding and the text boxes' conversions,
// gives them.

#include "document/ByteText.h"

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QTextDocument;

namespace tesselo {

struct ViewText {
    std::function<QString(std::string_view)> Decode;
    std::function<std::string(const QString&)> Encode;
    // The lines joined with "\n", and back.
    std::function<QString(const LineList&)> DecodeLines;
    std::function<LineList(const QString&)> EncodeLines;
    // A text as a text box is given it, and a text box's text as the user sees it.
    std::function<QString(QString)> ForTextBox;
    std::function<QString(const QTextDocument&)> TextOf;
};

} // namespace tesselo
