#pragma once

// Generated rules .g0, .g1 ... read by the browser's engine: a page of one element per
// rule links the sheet, and each element's computed values of the properties asked for
// come back as one string, so that two sheets can be compared element by element.

#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tesselo::testing {

class GeneratedPage : public ::testing::Test {
protected:
    static constexpr int kWaitMs = 30000;

    static void SetUpTestSuite() { page_ = new QWebEnginePage; }
    static void TearDownTestSuite() {
        delete page_;
        page_ = nullptr;
    }

    // The computed `properties` of the elements .g0 ... .g(rules - 1) of a page that links
    // the sheet `css`, saved as NAME.css; nothing when the page does not load or answer.
    std::optional<std::vector<QString>> Computed(const std::string& name, const std::string& css,
                                                 int rules, const QStringList& properties) {
        WriteBytes(dir.File(name + ".css"), css);
        std::string html = "<!doctype html><html><head><meta charset=\"utf-8\"><link "
                           "rel=\"stylesheet\" href=\"" +
                           name + ".css\"></head><body style=\"--c: #abcdef; --s: 1px 2px red\">";
        for (int i = 0; i < rules; ++i)
            html += "<div class=\"g" + std::to_string(i) + "\">x</div>";
        WriteBytes(dir.File(name + ".html"), html + "</body></html>");
        auto loaded = std::make_shared<std::optional<bool>>();
        auto json = std::make_shared<std::optional<QString>>();
        const auto connection = QObject::connect(page_, &QWebEnginePage::loadFinished,
                                                 [loaded](bool ok) { *loaded = ok; });
        page_->load(QUrl::fromLocalFile(QString::fromStdString(dir.File(name + ".html"))));
        const bool finished = QTest::qWaitFor([&] { return loaded->has_value(); }, kWaitMs);
        QObject::disconnect(connection);
        if (!finished || !**loaded)
            return std::nullopt;
        const QString script =
            QStringLiteral("JSON.stringify(Array.from(document.querySelectorAll('div'), "
                           "function (e) { var s = getComputedStyle(e); return %1.map(function "
                           "(p) { return p + ': ' + s.getPropertyValue(p); }).join('; '); }))")
                .arg(QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(properties))
                                           .toJson(QJsonDocument::Compact)));
        page_->runJavaScript(script, [json](const QVariant& result) { *json = result.toString(); });
        if (!QTest::qWaitFor([&] { return json->has_value(); }, kWaitMs))
            return std::nullopt;
        std::vector<QString> computed;
        for (const auto& item : QJsonDocument::fromJson((*json)->toUtf8()).array())
            computed.push_back(item.toString());
        return computed;
    }

    // The elements whose computed values differ, named.
    static std::string Differences(const std::vector<QString>& original,
                                   const std::vector<QString>& other) {
        std::string faults;
        for (size_t i = 0; i < original.size() && i < other.size(); ++i)
            if (original[i] != other[i])
                faults += ".g" + std::to_string(i) + ":\n  " + original[i].toStdString() + "\n  " +
                          other[i].toStdString() + "\n";
        if (original.size() != other.size())
            faults += "elements: " + std::to_string(other.size()) + " of " +
                      std::to_string(original.size()) + "\n";
        return faults;
    }

    TempDir dir;
    static inline QWebEnginePage* page_ = nullptr;
};

} // namespace tesselo::testing
