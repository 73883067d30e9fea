#include "views/CssHighlighting.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <array>

namespace tesselo {
namespace {

constexpr size_t kKinds = size_t(CssSpanKind::Punctuation) + 1;

QTextCharFormat Coloured(const char* colour, bool bold = false, bool italic = false) {
    QTextCharFormat format;
    format.setForeground(QColor(QLatin1String(colour)));
    if (bold)
        format.setFontWeight(QFont::Bold);
    if (italic)
        format.setFontItalic(true);
    return format;
}

const std::array<QTextCharFormat, kKinds>& KindFormats() {
    static const std::array<QTextCharFormat, kKinds> formats = [] {
        std::array<QTextCharFormat, kKinds> f;
        f[size_t(CssSpanKind::Selector)] = Coloured("#800000", true);
        f[size_t(CssSpanKind::AtRule)] = Coloured("#7a3e9d", true);
        f[size_t(CssSpanKind::Property)] = Coloured("#0451a5");
        f[size_t(CssSpanKind::Value)] = Coloured("#1f1f1f");
        f[size_t(CssSpanKind::Number)] = Coloured("#098658");
        f[size_t(CssSpanKind::Unit)] = Coloured("#0b6e4f", false, true);
        f[size_t(CssSpanKind::String)] = Coloured("#a31515");
        f[size_t(CssSpanKind::Url)] = Coloured("#a31515");
        f[size_t(CssSpanKind::Url)].setFontUnderline(true);
        f[size_t(CssSpanKind::Comment)] = Coloured("#6a737d", false, true);
        f[size_t(CssSpanKind::Important)] = Coloured("#d00000", true);
        f[size_t(CssSpanKind::Variable)] = Coloured("#267f99");
        f[size_t(CssSpanKind::Punctuation)] = Coloured("#505050");
        return f;
    }();
    return formats;
}

// A colour written in the text: shown on its own colour, its letters in black or white,
// whichever reads on it.
QTextCharFormat SwatchFormat(Color shade) {
    QTextCharFormat format;
    const QColor colour(shade.Red, shade.Green, shade.Blue, shade.Alpha);
    format.setBackground(colour);
    const double light =
        (0.299 * shade.Red + 0.587 * shade.Green + 0.114 * shade.Blue) * shade.Alpha / 255.0 +
        255.0 * (1.0 - shade.Alpha / 255.0);
    format.setForeground(light > 140 ? Qt::black : Qt::white);
    return format;
}

QTextCharFormat MarkFormat() {
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

} // namespace

Utf8Text::Utf8Text(const QString& text) : bytes_(text.toUtf8()) {
    if (bytes_.size() == text.size())
        return;
    chars_.resize(size_t(bytes_.size()) + 1);
    int position = 0;
    for (qsizetype i = 0; i < bytes_.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes_[i]);
        if (byte >= 0x80 && byte < 0xC0) { // a continuation byte: its character's
            chars_[size_t(i)] = position - 1;
            continue;
        }
        chars_[size_t(i)] = position;
        position += byte >= 0xF0 ? 2 : 1; // four bytes are two UTF-16 units
    }
    chars_.back() = position;
}

int Utf8Text::CharAt(size_t byte) const {
    byte = std::min(byte, size_t(bytes_.size()));
    return chars_.empty() ? int(byte) : chars_[byte];
}

size_t Utf8Text::ByteAt(int position) const {
    if (chars_.empty())
        return size_t(std::clamp<qsizetype>(position, 0, bytes_.size()));
    return size_t(std::lower_bound(chars_.begin(), chars_.end(), position) - chars_.begin());
}

CssLineState LineFormats(const QString& line, CssLineState state,
                         QVector<QTextLayout::FormatRange>& formats) {
    const Utf8Text text(line);
    std::vector<CssSpan> spans;
    state = ColourLine(text.View(), state, spans);
    const auto& kinds = KindFormats();
    for (const CssSpan& span : spans) {
        if (span.Kind == CssSpanKind::Blank)
            continue;
        const int begin = text.CharAt(span.Begin);
        const int end = text.CharAt(span.End);
        formats.push_back({begin, end - begin,
                           span.Kind == CssSpanKind::Colour ? SwatchFormat(span.Shade)
                                                            : kinds[size_t(span.Kind)]});
    }
    return state;
}

ShownLinesColouring::ShownLinesColouring(QPlainTextEdit& view, CssLineState start)
    : QObject(&view), view_(view), start_(start) {
    connect(view.document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int) { TextChanged(position); });
    // Scrolling, resizing and new text all ask the view to paint again.
    connect(&view, &QPlainTextEdit::updateRequest, this, [this] {
        if (pending_ || applying_)
            return;
        pending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                pending_ = false;
                ColourShown();
            },
            Qt::QueuedConnection);
    });
}

void ShownLinesColouring::Uncolour(size_t line) {
    if (line < coloured_.size() && coloured_[line]) {
        coloured_[line] = false;
        --colouredCount_;
    }
}

void ShownLinesColouring::SetMarks(std::vector<ShownMark> marks) {
    if (marks == marks_)
        return;
    // The lines that had or have a mark are coloured again; the others keep theirs.
    for (const auto* list : {&marks_, &marks}) {
        for (const ShownMark& mark : *list) {
            const QTextBlock first = view_.document()->findBlock(mark.Begin);
            const QTextBlock last = view_.document()->findBlock(std::max(mark.Begin, mark.End - 1));
            for (int n = first.blockNumber(); n >= 0 && n <= last.blockNumber(); ++n)
                Uncolour(size_t(n));
        }
    }
    marks_ = std::move(marks);
    ColourShown();
}

void ShownLinesColouring::TextChanged(int position) {
    if (applying_)
        return;
    // What starts at the changed line is read again; the lines before keep their colours.
    const int first = view_.document()->findBlock(position).blockNumber();
    const size_t keep = size_t(std::max(first, 0));
    if (states_.size() > keep + 1)
        states_.resize(keep + 1);
    if (coloured_.size() > keep) {
        colouredCount_ -=
            int(std::count(coloured_.begin() + std::ptrdiff_t(keep), coloured_.end(), true));
        coloured_.resize(keep);
    }
}

CssLineState ShownLinesColouring::StateAt(int block) {
    if (states_.empty())
        states_.push_back(start_.Packed());
    if (size_t(block) < states_.size())
        return CssLineState::FromPacked(states_[size_t(block)]);
    QTextBlock line = view_.document()->findBlockByNumber(int(states_.size()) - 1);
    CssLineState state = CssLineState::FromPacked(states_.back());
    std::vector<CssSpan> spans;
    while (line.isValid() && int(states_.size()) <= block) {
        spans.clear();
        const QByteArray bytes = line.text().toUtf8();
        state = ColourLine({bytes.constData(), size_t(bytes.size())}, state, spans);
        states_.push_back(state.Packed());
        line = line.next();
    }
    return state;
}

void ShownLinesColouring::ColourShown() {
    QTextDocument* document = view_.document();
    const QTextBlock first = view_.cursorForPosition(QPoint(0, 0)).block();
    const QTextBlock last = view_.cursorForPosition(QPoint(0, view_.viewport()->height())).block();
    if (!first.isValid())
        return;
    applying_ = true;
    for (QTextBlock line = first; line.isValid(); line = line.next()) {
        const size_t n = size_t(line.blockNumber());
        if (coloured_.size() <= n)
            coloured_.resize(n + 1, false);
        if (!coloured_[n]) {
            QVector<QTextLayout::FormatRange> formats;
            const CssLineState next = LineFormats(line.text(), StateAt(int(n)), formats);
            // The marks over the colours: a mark at the very end (a brace left open)
            // underlines the character before it.
            static const QTextCharFormat mark = MarkFormat();
            const int begin = line.position();
            const int end = begin + line.length() - 1;
            for (const ShownMark& m : marks_) {
                const int from = std::max(std::min(m.Begin, end - 1), begin);
                const int to = std::min(std::max(m.End, m.Begin + 1), end);
                if (from < to && m.Begin < end + 1)
                    formats.push_back({from - begin, to - from, mark});
            }
            if (states_.size() == n + 1)
                states_.push_back(next.Packed());
            line.layout()->setFormats(formats);
            document->markContentsDirty(line.position(), line.length());
            coloured_[n] = true;
            ++colouredCount_;
        }
        if (line == last)
            break;
    }
    applying_ = false;
}

} // namespace tesselo
