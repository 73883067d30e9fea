// Every text the program writes into the sheet in a selector's or a rule's place goes
// through one check, whichever way it comes: renaming in the list, the selector builder,
// the current style's text pushed into the panel or pasted and left by choosing another
// rule. What would break out of its place is refused with a message that says what is
// open and where; nothing is written and the typing stays where it was typed.

#include "dialogs/SelectorBuilder.h"
#include "document/SheetComposer.h"
#include "mapping/SelectorCheck.h"
#include "support/Fakes.h"
#include "support/SheetText.h"
#include "views/StyleListCommands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tesselo {
namespace {

// A UTF-8 sheet: a rule, a group with its rule, a rule after them.
const std::string kSheet =
    "h1 {\n  color: black;\n}\n@media screen {\n  .note { color: gray }\n}\np { margin: 0 }\n";

enum class Way {
    Rename,      // F2 on the first rule
    RenameGroup, // F2 on the group: its condition
    Builder,     // typed into the builder's box, then "Готово"
    Text,  // typed into "Текущий стиль" of the first rule, then pushed to the panel
    Paste, // pasted there, then the last rule chosen
};

struct BreakCase {
    const char* Name;
    Way How;
    std::string Input;
    std::string Why; // empty: taken
};

void PrintTo(const BreakCase& c, std::ostream* out) {
    *out << c.Name;
}

LineList LinesOf(const std::string& text) {
    LineList lines(1);
    for (const char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

class Session : public ::testing::Test {
protected:
    void Open(const std::string& sheet) {
        editor.UseDialogs(dialogs);
        editor.TakeDocument(testing::DocumentRead(sheet));
        editor.Select(0);
    }
    std::string Composed() const { return ComposeSheet(editor.Document()).Bytes(); }

    testing::FakeFiles files;
    testing::FakeDialogs dialogs;
    StyleEditor editor{files};
    StyleListCommands commands{editor, dialogs};
};

class TextIntoTheSheet : public Session, public ::testing::WithParamInterface<BreakCase> {
protected:
    // Takes the input its way: the message the user saw, and what was written.
    std::pair<std::string, std::string> Run(const BreakCase& c) {
        Open(kSheet);
        std::string message;
        if (c.How == Way::Builder) {
            SelectorBuilder builder;
            builder.CurrentSelector = c.Input;
            builder.OkClick();
            EXPECT_EQ(builder.CurrentSelector, c.Input) << "the box keeps the typing";
            commands.NewStyleExecute(builder.SelectorResult); // empty: nothing made
            return {builder.Refusal, c.Why.empty() ? editor.Document().Record(1).Selector : ""};
        }
        if (c.How == Way::Rename || c.How == Way::RenameGroup) {
            const int row = c.How == Way::Rename ? 0 : 1;
            editor.Select(row);
            EXPECT_EQ(commands.RenameStyle(c.Input), c.Why.empty());
            return {dialogs.Shown.empty() ? "" : dialogs.Shown.back().Text,
                    editor.Document().Record(row).Selector};
        }
        editor.TypeText(LinesOf(c.Input));
        if (c.How == Way::Text)
            editor.PushTextToPanel();
        else
            editor.Select(3);
        return {dialogs.Shown.empty() ? "" : dialogs.Shown.back().Text,
                editor.Document().Record(0).BlockText()};
    }
};

TEST_P(TextIntoTheSheet, IsRefusedWithWhatIsOpenAndWhereOrTakenWhole) {
    const BreakCase& c = GetParam();
    const auto [message, written] = Run(c);
    if (c.Why.empty()) {
        EXPECT_EQ(message, "");
        EXPECT_EQ(written, c.How >= Way::Text ? "\n" + c.Input + "\n" : c.Input);
        EXPECT_EQ(testing::DocumentRead(Composed()).StyleCount(), editor.Document().StyleCount())
            << "read back as written, rule for rule";
        return;
    }
    const std::string expected =
        c.How == Way::Rename        ? messages::BadStyleName(c.Input, c.Why)
        : c.How == Way::RenameGroup ? messages::BadGroupCondition(c.Input, c.Why)
        : c.How == Way::Builder     ? messages::BadBuiltSelector(c.Input, c.Why)
                                    : messages::BadRuleText(c.Why);
    EXPECT_EQ(message, expected);
    EXPECT_LE(dialogs.Shown.size(), 1u) << "told once";
    EXPECT_EQ(Composed(), kSheet) << "nothing written";
    if (c.How >= Way::Text) {
        EXPECT_EQ(editor.Current(), 0) << "the rule stays current";
        EXPECT_EQ(editor.Memo().Lines, LinesOf(c.Input)) << "the typing stays in the view";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayIn, TextIntoTheSheet,
    ::testing::Values(
        BreakCase{"RenameBracket", Way::Rename, "h1[title", "скобка [ (знак 3) не закрыта"},
        BreakCase{"RenameComment", Way::Rename, "h1 /* draft", "комментарий /* (знак 4) не закрыт"},
        BreakCase{"RenameQuote", Way::Rename, "a[title=\"x]", "кавычка \" (знак 9) не закрыта"},
        BreakCase{"RenameBrace", Way::Rename, "p}", "в нем фигурная скобка } (знак 2)"},
        // Inside "[", a ")" is a plain byte, as the browser reads it: the "(" stays open.
        BreakCase{"RenameCloserOfAnotherBracket", Way::Rename, "a:is([x)]",
                  "скобка ( (знак 5) не закрыта"},
        BreakCase{"RenameCountsCharactersNotBytes", Way::Rename, "раздел[x",
                  "скобка [ (знак 7) не закрыта"},
        BreakCase{"RenameMarksInStrings", Way::Rename, "a[title=\"{(/*\"]", ""},
        BreakCase{"RenameStrayCloserTakesNothingIn", Way::Rename, "a)", ""},
        BreakCase{"GroupParenthesis", Way::RenameGroup, "@media screen and (min-width: 1px",
                  "скобка ( (знак 19) не закрыта"},
        BreakCase{"BuilderComment", Way::Builder, ".note /* draft",
                  "комментарий /* (знак 7) не закрыт"},
        BreakCase{"BuilderTaken", Way::Builder, "main > nav:focus-within", ""},
        BreakCase{"TextEndsTheRule", Way::Text, "color: red; } .evil { color: blue;",
                  "фигурная скобка } (строка 1, знак 13) закрыла бы правило"},
        BreakCase{"TextUrlLeftOpen", Way::Text, "background: url(a.png",
                  "скобка ( (строка 1, знак 16) не закрыта"},
        // The line end closes the string before the rule's "}", for reader and browser.
        BreakCase{"TextStringCutByItsLineEnd", Way::Text, "content: \"x", ""},
        BreakCase{"PasteEndsTheRule", Way::Paste, "color: red;\n}\np { margin: 0 }",
                  "фигурная скобка } (строка 2, знак 1) закрыла бы правило"},
        BreakCase{"PasteComment", Way::Paste, "a: b;\nc: d /* e",
                  "комментарий /* (строка 2, знак 6) не закрыт"}),
    [](const ::testing::TestParamInfo<BreakCase>& param) { return param.param.Name; });

TEST(SheetBreakMessages, SayWhatBreaksWhereAndWhatTheRuleIs) {
    EXPECT_EQ(messages::BadStyleName("h1[title", "скобка [ (знак 3) не закрыта"),
              "Имя стиля h1[title недопустимо: скобка [ (знак 3) не закрыта.\rВ имени не должно "
              "быть фигурных скобок, а кавычки, комментарии, круглые и квадратные скобки должны "
              "закрываться в нем самом: иначе остальная таблица стилей стала бы его частью.");
    // A Windows-1251 sheet counts a byte a character.
    const std::string cp1251 = "\xF0\xE0\xE7\xE4\xE5\xEB[x";
    EXPECT_EQ(DescribeBreak(*SelectorBreak(cp1251), cp1251, SheetEncoding::Windows1251),
              "скобка [ (знак 7) не закрыта");
}

// What takes the text in first refuses with it and does nothing else; saved, the sheet
// holds the rule as it was, and the typing is still a change to save.
TEST_F(Session, RefusedTextStopsWhatCommitsItAndStaysToSave) {
    Open(kSheet);
    editor.TypeText({"color: red; }"});
    EXPECT_FALSE(editor.SetProperty("margin-top", "1px"));
    editor.AddRule("em");
    EXPECT_EQ(editor.Document().StyleCount(), 4);
    editor.ComposeCSS();
    EXPECT_EQ(editor.Document().SheetText.Bytes(), kSheet);
    editor.MarkSaved();
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(dialogs.Shown.size(), 3u);
    EXPECT_EQ(editor.Memo().Lines, LineList{"color: red; }"});
}

// A rule read with a bracket left open is the author's: typing elsewhere in it is taken.
TEST_F(Session, ABracketTheRuleAlreadyLeftOpenIsNoRefusal) {
    Open("a {\n  b: rgb(1\n}\n");
    editor.TypeText({"  b: rgb(1", "  c: d"});
    EXPECT_TRUE(editor.CommitText());
    editor.TypeText({"  b: rgb(1", "  c: d }"});
    EXPECT_FALSE(editor.CommitText()) << "a brace that ends the rule is still refused";
    EXPECT_EQ(dialogs.Shown.size(), 1u);
}

} // namespace
} // namespace tesselo
