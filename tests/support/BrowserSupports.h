#pragma once

// Asks a page's engine which declarations it refuses: CSS.supports() for each pair of a
// property and a value, in one script.

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QWebEnginePage>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tesselo::testing {

using SupportCase = std::pair<std::string, std::string>; // property, value

// The cases the engine refuses, in their order; nothing when the page does not answer.
inline std::optional<std::vector<SupportCase>>
RefusedByEngine(QWebEnginePage& page, const std::vector<SupportCase>& cases, int waitMs = 30000) {
    QJsonArray list;
    for (const auto& [property, value] : cases)
        list.append(QJsonArray{QString::fromStdString(property), QString::fromStdString(value)});
    const QString script =
        QStringLiteral("JSON.stringify((%1).filter(function (c) { return !CSS.supports(c[0], "
                       "c[1]); }))")
            .arg(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
    auto answer = std::make_shared<std::optional<QString>>();
    page.runJavaScript(script, [answer](const QVariant& result) { *answer = result.toString(); });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, waitMs))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson((*answer)->toUtf8());
    if (!document.isArray())
        return std::nullopt;
    std::vector<SupportCase> refused;
    for (const auto& item : document.array()) {
        const QJsonArray c = item.toArray();
        refused.emplace_back(c[0].toString().toStdString(), c[1].toString().toStdString());
    }
    return refused;
}

} // namespace tesselo::testing
