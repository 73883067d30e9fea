#pragma once

// The text views' colours over the CSS reader of mapping/CssColouring, put on the lines
// only where they are shown, each line's state kept as it is read: a big sheet, or a
// big rule typed into, costs what its screen costs.

#include "mapping/CssColouring.h"

#include <QObject>
#include <QString>
#include <QTextLayout>
#include <QVector>
#include <vector>

class QPlainTextEdit;
class QTextDocument;

namespace tesselo {

// A text as UTF-8 and where each of its bytes stands among its characters.
class Utf8Text {
public:
    explicit Utf8Text(const QString& text);
    const QByteArray& Bytes() const { return bytes_; }
    std::string_view View() const { return {bytes_.constData(), size_t(bytes_.size())}; }
    // The character position of a byte offset (the text's length past its end).
    int CharAt(size_t byte) const;
    // The byte offset of a character position.
    size_t ByteAt(int position) const;

private:
    QByteArray bytes_;
    std::vector<int> chars_; // empty when every character is one byte
};

// The formats of one line's spans and the state the next line starts in.
CssLineState LineFormats(const QString& line, CssLineState state,
                         QVector<QTextLayout::FormatRange>& formats);

// A mark of the checks in a text box: characters, not bytes.
struct ShownMark {
    int Begin = 0;
    int End = 0;
    QString Hint;
    bool operator==(const ShownMark&) const = default;
};

// A text view's colours, put on the lines shown as they come into view, and the marks
// of the checks underlined with a wavy line.
class ShownLinesColouring final : public QObject {
public:
    // `start`: the state of the text's first line.
    explicit ShownLinesColouring(QPlainTextEdit& view, CssLineState start = SheetStart());
    // Colours the lines now in the view that are not coloured yet.
    void ColourShown();
    // The marks over the whole text; the lines whose marks changed are coloured again.
    void SetMarks(std::vector<ShownMark> marks);
    const std::vector<ShownMark>& Marks() const { return marks_; }
    // How many lines have been coloured since the text was put in.
    int ColouredLines() const { return colouredCount_; }

private:
    void TextChanged(int position);
    CssLineState StateAt(int block);
    void Uncolour(size_t line);

    QPlainTextEdit& view_;
    CssLineState start_;
    std::vector<int> states_;    // the packed state each line starts in, as far as known
    std::vector<bool> coloured_; // by line
    std::vector<ShownMark> marks_;
    int colouredCount_ = 0;
    bool applying_ = false;
    bool pending_ = false;
};

} // namespace tesselo
