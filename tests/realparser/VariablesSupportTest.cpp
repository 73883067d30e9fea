// The sheet's variables held to the browser: what the panel says a var() stands for is what
// the page computes, and a variable changed where the sheet defines it changes what the page
// shows — on Bootstrap 5, whose rules read its theme through var().

#include "document/SheetComposer.h"
#include "mapping/BlockRewriter.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/SheetVariables.h"
#include "support/SheetText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QWebEnginePage>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

constexpr int kWaitMs = 30000;
const char* const kBootstrap = "/usr/share/javascript/bootstrap5/css/bootstrap.css";

// The page with the sheet and a body to compute, loaded; false when it does not load.
bool Load(QWebEnginePage& page, const std::string& sheet) {
    auto loaded = std::make_shared<std::optional<bool>>();
    QObject::connect(&page, &QWebEnginePage::loadFinished, [loaded](bool ok) { *loaded = ok; });
    page.setHtml(QStringLiteral("<!doctype html><html><head><style>%1</style></head>"
                                "<body><p id=\"probe\">x</p></body></html>")
                     .arg(QString::fromStdString(sheet)));
    return QTest::qWaitFor([&] { return loaded->has_value(); }, kWaitMs) && **loaded;
}

std::optional<QString> RunScript(QWebEnginePage& page, const QString& script) {
    auto answer = std::make_shared<std::optional<QString>>();
    page.runJavaScript(script, [answer](const QVariant& result) { *answer = result.toString(); });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, kWaitMs))
        return std::nullopt;
    return *answer;
}

std::string ReadSheet() {
    QFile file(QString::fromUtf8(kBootstrap));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

class VariablesInTheBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        sheet_ = ReadSheet();
        if (sheet_.empty())
            GTEST_SKIP() << kBootstrap << " is not installed";
    }
    std::string sheet_;
};

// Each var() the body's rule reads, worked out by the sheet's variables, set on an element
// of its own, computes as the body's own value of that property.
TEST_F(VariablesInTheBrowser, WhatAVarStandsForIsWhatThePageComputes) {
    const StyleDocument document = testing::DocumentRead(sheet_);
    const SheetVariables variables{document};
    QJsonArray cases;
    for (int row = 0; row < document.StyleCount(); ++row) {
        const StyleRecord& record = document.Record(row);
        if (record.IsGroup() || record.Depth() != 0 || record.Selector != "body")
            continue;
        const std::string block = record.BlockText();
        for (const BlockDeclaration& d : ParseBlock(block).Declarations) {
            const std::string value = block.substr(d.ValueBegin, d.ValueEnd - d.ValueBegin);
            if (FindVarReferences(value).empty())
                continue;
            const auto resolved = variables.Resolve(value);
            if (!resolved) {
                // Bootstrap leaves --bs-body-text-align to its users: marked, not resolved.
                EXPECT_FALSE(variables.Undefined(value).empty()) << value;
                continue;
            }
            cases.append(
                QJsonArray{QString::fromStdString(d.Property), QString::fromStdString(*resolved)});
        }
    }
    ASSERT_GE(cases.size(), 5) << "the body reads its font and colours through var()";
    QWebEnginePage page;
    ASSERT_TRUE(Load(page, sheet_));
    const auto differ = RunScript(
        page, QStringLiteral("JSON.stringify((%1).filter(function (c) {"
                             "  var probe = document.getElementById('probe');"
                             "  probe.style.setProperty(c[0], c[1]);"
                             "  var mine = getComputedStyle(probe).getPropertyValue(c[0]);"
                             "  var body = getComputedStyle(document.body).getPropertyValue(c[0]);"
                             "  probe.style.removeProperty(c[0]);"
                             "  return mine !== body;"
                             "}))")
                  .arg(QString::fromUtf8(QJsonDocument(cases).toJson(QJsonDocument::Compact))));
    ASSERT_TRUE(differ) << "the page did not answer";
    EXPECT_EQ(*differ, "[]") << "resolved otherwise than the browser computes";
}

// The theme's body colour changed where :root defines it, the rest of the sheet as it was:
// the page's body takes the new colour.
TEST_F(VariablesInTheBrowser, AVariableChangedInItsRuleChangesThePage) {
    StyleDocument document = testing::DocumentRead(sheet_);
    const SheetVariables variables{document};
    const VariableDefinition* body = variables.MainDefinition("--bs-body-color");
    ASSERT_TRUE(body);
    EXPECT_EQ(variables.KindOf(*body), VariableKind::Color);
    auto edited = RewriteBlock(document.Record(body->Row).BlockText(),
                               {{BlockEdit::Kind::Set, body->Index, {}, "#123456"}}, {});
    ASSERT_TRUE(edited);
    document.MarkEdited(body->Row);
    document.ReplaceBlock(body->Row, *edited);
    QWebEnginePage page;
    ASSERT_TRUE(Load(page, ComposeSheet(document).Text()));
    EXPECT_EQ(RunScript(page, QStringLiteral("getComputedStyle(document.body).color")),
              QStringLiteral("rgb(18, 52, 86)"));
}

} // namespace
} // namespace tesselo
