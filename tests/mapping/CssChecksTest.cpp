#include "mapping/CssChecks.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

struct CheckCase {
    const char* Text;
    // The marks as "marked text=hint", in the order of the text; none when empty.
    std::vector<std::string> Marks;
};

std::vector<std::string> Written(std::string_view text, const std::vector<TextMark>& marks) {
    std::vector<std::string> out;
    for (const TextMark& mark : marks)
        out.push_back(std::string(text.substr(mark.Begin, mark.End - mark.Begin)) + "=" +
                      mark.Hint);
    return out;
}

const CheckCase kCases[] = {
    // What is right is not marked.
    {"color: red;\nmargin: 0 auto !important;", {}},
    {"--my-colour: whatever; color: var(--my-colour, nonsense)", {}},
    {"-webkit-box-shadow: 0 0 1px red; -moz-border-radius: 3px", {}},
    {"display: -webkit-box; animation-duration: 2s; ZOOM: 1", {}},
    {"*zoom: 1; _height: 1px", {}},
    {"&:hover { color: red } color: blue", {}},
    {"color: red\\9", {}},
    {"background-size: 16px 12px, calc(1em + 1px) 2px; content: \"\"; font: 0/0 a", {}},
    // Unknown properties.
    {"colr: red", {"colr=Неизвестное свойство «colr»"}},
    {"-webkit-colr: red; -ms-flex-pack: center", {}},
    // Values the property does not take.
    {"display: red", {"red=Свойство «display» не принимает значение «red»"}},
    {"color: 12px !important", {"12px=Свойство «color» не принимает значение «12px»"}},
    {"margin-top: 5px; width: blue;", {"blue=Свойство «width» не принимает значение «blue»"}},
    // A missing ";" between declarations on two lines, a missing ":".
    {"color: red\n  margin: 0", {"margin=Пропущена точка с запятой перед «margin»"}},
    {"color red; margin: 0", {"color red=Пропущено двоеточие после имени свойства «color»"}},
    {"margin: 0; color", {"color=Пропущено двоеточие после имени свойства «color»"}},
    // What would break the rule out of its place.
    {"color: red; }", {"}=фигурная скобка } (знак 13) закрыла бы правило"}},
    {"content: \"abc", {"\"=кавычка \" (знак 10) не закрыта"}},
    {"color: red; /* note", {"/=комментарий /* (знак 13) не закрыт"}},
    {"width: calc(1px + 2px", {"(=скобка ( (знак 12) не закрыта"}},
};

TEST(CssChecks, MarksWhatIsWrongWithItsHint) {
    for (const CheckCase& c : kCases)
        EXPECT_EQ(Written(c.Text, CheckRuleText(c.Text, SheetEncoding::Utf8)), c.Marks) << c.Text;
}

TEST(CssChecks, KnowsPropertiesBeyondTheCatalogue) {
    const struct {
        const char* Name;
        bool Known;
    } cases[] = {
        {"color", true},      {"COLOR", true},     {"--x", true},
        {"-ms-filter", true}, {"widows", true},    {"writing-mode", true},
        {"colour", false},    {"-webkit-", false}, {"-o-colr", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsKnownProperty(c.Name), c.Known) << c.Name;
}

} // namespace
} // namespace tesselo
