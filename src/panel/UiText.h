#pragma once

// The texts the program shows, in the language in use: the Russian text, in UTF-8, is the
// key of the translation and comes back as it is when there is none (always in Russian).
// A header alone, so that every folder with widgets may use it.

#include "document/Hint.h"
#include "document/MessagePatterns.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace tesselo {

inline QString Tr(std::string_view russian) {
    if (russian.empty())
        return {};
    const std::string source(russian);
    return QCoreApplication::translate("Tesselo", source.c_str());
}

// A text already decoded, as a caption the core put into the panel's state.
inline QString TrShown(const QString& russian) {
    return russian.isEmpty() ? russian : Tr(russian.toStdString());
}

// A hint "short|long" with each part translated.
struct UiHint {
    QString Short, Long;
};
inline UiHint TrHint(std::string_view hint) {
    const HintParts parts = SplitHint(hint);
    return {Tr(parts.Short), Tr(parts.Long)};
}

// `pattern` with %1, %2... replaced by the parts, in one pass.
inline QString FillParts(const QString& pattern, const QStringList& parts) {
    QString result;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == u'%' && n >= 1 && n <= parts.size()) {
            result += parts[n - 1];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

inline QString UiPart(const QString& part) {
    return part;
}
inline QString UiPart(std::string_view part) {
    return QString::fromUtf8(part.data(), qsizetype(part.size()));
}

// A text with variable parts in the language in use: Tr(pattern) filled with the parts.
template <class... Parts> QString TrFill(std::string_view pattern, const Parts&... parts) {
    return FillParts(Tr(pattern), QStringList{UiPart(parts)...});
}

// The same in UTF-8, for the messages the core's dialogs show.
template <class... Parts> std::string TrFillText(std::string_view pattern, const Parts&... parts) {
    return TrFill(pattern, parts...).toStdString();
}

// A message of the core: the whole text when it is translated, else the pattern it was
// made from (MessagePatterns) with its parts, each part a message itself.
inline QString TrMessage(std::string_view message) {
    const QString whole = QString::fromUtf8(message.data(), qsizetype(message.size()));
    const QString translated = Tr(message);
    if (translated != whole || message.empty())
        return translated;
    for (std::string_view pattern : MessagePatterns()) {
        const auto parts = MatchPattern(pattern, message);
        if (!parts)
            continue;
        QStringList shown;
        for (const std::string& part : *parts)
            shown << TrMessage(part);
        return FillParts(Tr(pattern), shown);
    }
    return whole;
}

// The message as std::string in UTF-8, for the dialogs of the core.
inline std::string TrMessageText(std::string_view message) {
    return TrMessage(message).toStdString();
}

} // namespace tesselo
