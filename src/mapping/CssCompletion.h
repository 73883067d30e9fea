#pragma once

// What the current style's text offers to complete where the caret stands: property
// names at a declaration's start, the property's keywords, colours and the values the
// sheet already gives it after its ":", units after a number, the sheet's custom
// properties inside var().

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// What the sheet's rules write: the custom properties they define, and the values
// each property is given, the most used first.
class SheetVocabulary {
public:
    // One rule's text between its braces.
    void AddRuleText(std::string_view block);
    const std::vector<std::string>& CustomProperties() const;
    std::vector<std::string> ValuesOf(std::string_view property) const;

private:
    std::map<std::string, int> custom_;
    std::map<std::string, std::map<std::string, int>> values_;
    mutable std::vector<std::string> customList_;
    mutable bool customDirty_ = false;
};

struct CompletionChoices {
    size_t Begin = 0; // the text a choice replaces: the word being typed at the caret
    size_t End = 0;
    std::vector<std::string> Choices; // best first; empty when there is nothing to offer
    // What taking a choice adds after it: ": " after a property's name that has no colon
    // yet, so that the value can be typed (and offered) at once.
    std::string Then;
};

// The choices at byte `caret` of a rule's text. Inside a comment or a string there are
// none.
CompletionChoices CompleteAt(std::string_view ruleText, size_t caret, const SheetVocabulary& sheet);

} // namespace tesselo
