// The declaration reader with the writer: any text view read without harm, and
// reading the text view that the reader wrote gives the same panel and the same lines.

#include "FuzzProperties.h"
#include "document/SheetComposer.h"
#include "mapping/DeclarationReader.h"

#include <algorithm>
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

// Two known cases do not settle in one read: a blank in front of the declarations,
// which the second read no longer sees, and an unsupported rest that does not end
// with ";", which runs into the marker line the next time.
bool SettlesInOneRead(const LineList& input, const TextView& written) {
    const std::string text = NormalizeDeclarations(input);
    if (!text.empty() && text[0] == ' ')
        return false;
    bool marker = false;
    for (const auto& line : written.Lines)
        marker = marker || IsUnsupportedComment(line);
    return !(marker && !written.Lines.back().empty());
}

// A keyword declaration repeated beside another keyword of its group: the first read
// consumes one copy of each and keeps the extra copy, which the next read consumes.
// An oblique face repeated counts too: it is written back as italic, which then
// stands beside the kept copy. Known and reported.
bool RepeatsKeywordBesideItsGroup(const std::string& text) {
    auto count = [&text](const std::string& key) {
        size_t n = 0;
        for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1))
            ++n;
        return n;
    };
    std::vector<std::pair<int, std::string>> keys;
    for (const auto& info : KeywordTable())
        keys.emplace_back(info.Group,
                          UpperAscii(info.Property) + ":" + UpperAscii(info.Value) + ";");
    keys.emplace_back(3, "FONT-STYLE:OBLIQUE;");
    for (const auto& [group, key] : keys) {
        if (count(key) < 2)
            continue;
        if (key == "FONT-STYLE:OBLIQUE;")
            return true;
        for (const auto& [otherGroup, otherKey] : keys)
            if (otherGroup == group && otherKey != key && count(otherKey) > 0)
                return true;
    }
    return false;
}

// The properties a panel shows as set.
std::vector<std::string> SetProperties(const PropertySet& panel) {
    std::vector<std::string> set;
    for (const auto& info : KeywordTable())
        if (panel.IsDown(info.Button))
            set.push_back(std::string(info.Property));
    for (const auto& info : LengthTable())
        if (panel[info.Field].Set)
            set.push_back(std::string(info.Name));
    if (panel.FontType.Set)
        set.push_back("family");
    if (panel.FontWeight.Set)
        set.push_back("weight");
    if (panel.FontSize.Set)
        set.push_back("size");
    if (panel.FontColorCheck)
        set.push_back("color");
    if (panel.BorderColorCheck)
        set.push_back("border-color");
    if (panel.BackGroundColorCheck || panel.BackGroundTransparent)
        set.push_back("background-color");
    if (panel.BackGroundAttCheck)
        set.push_back("picture");
    return set;
}

// Cutting a declaration out of the middle of other text joins what stood on either
// side. That can form a key that was not there before («FONT» + «BORDER-STYLE:X;» +
// «-WEIGHT:BOLD;»), which the next read finds, or blanks that normalising removes
// («-» + « WIDTH:0PX;» + «:»). Known and reported: the kept declarations are not in
// normal form, or, read on their own, set a property that the first read did not.
bool KeptTextFormsNewDeclaration(const PropertySet& first, const TextView& written) {
    LineList kept;
    bool below = false;
    for (const auto& line : written.Lines) {
        if (below)
            kept.push_back(line);
        below = below || IsUnsupportedComment(line);
    }
    std::string joined;
    for (const auto& line : kept)
        joined += line;
    if (NormalizeDeclarationsKeepCase(kept) != joined + (joined.ends_with(';') ? "" : ";"))
        return true;
    PropertySet alone;
    TextView view{kept, false};
    ReadDeclarations(alone, view);
    const auto before = SetProperties(first);
    for (const auto& name : SetProperties(alone))
        if (std::find(before.begin(), before.end(), name) == before.end())
            return true;
    return false;
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
    if (!SettlesInOneRead(input, firstMemo) ||
        RepeatsKeywordBesideItsGroup(NormalizeDeclarations(input)) ||
        KeptTextFormsNewDeclaration(firstPanel, firstMemo))
        return 0;
    TESSELO_FUZZ_CHECK(memo == firstMemo);
    TESSELO_FUZZ_CHECK(panel == firstPanel);
    return 0;
}
