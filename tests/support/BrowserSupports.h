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

// A blank page, loaded, to ask questions of; null when it does not load.
inline std::unique_ptr<QWebEnginePage> BlankPage(int waitMs = 30000) {
    auto page = std::make_unique<QWebEnginePage>();
    auto loaded = std::make_shared<std::optional<bool>>();
    QObject::connect(page.get(), &QWebEnginePage::loadFinished,
                     [loaded](bool ok) { *loaded = ok; });
    page->setHtml(QStringLiteral("<!doctype html><html><body></body></html>"));
    if (!QTest::qWaitFor([&] { return loaded->has_value(); }, waitMs) || !**loaded)
        return nullptr;
    return page;
}

} // namespace tesselo::testing
