// Both ends of the channel between the editor and the preview's helper, in one process.

#include "platform/PreviewChannel.h"
#include "platform/RemoteBrowser.h"

#include <QJsonArray>
#include <QKeyEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace tesselo {
namespace {

class PreviewChannelEnds : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.listen(
            QStringLiteral("tesselo-channel-test-%1").arg(QCoreApplication::applicationPid())));
        auto* socket = new QLocalSocket;
        socket->connectToServer(server_.serverName());
        ASSERT_TRUE(server_.waitForNewConnection(5000));
        editor = std::make_unique<PreviewChannel>(server_.nextPendingConnection(), nullptr);
        raw = socket;
        helper = std::make_unique<PreviewChannel>(socket, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return helper->IsOpen(); }, 5000));
        QObject::connect(editor.get(), &PreviewChannel::Received,
                         [this](const QString& type, const QJsonObject& body) {
                             received.emplace_back(type, body);
                         });
        QObject::connect(editor.get(), &PreviewChannel::Closed, [this] { ++closed; });
    }

    QLocalServer server_;
    std::unique_ptr<PreviewChannel> editor;
    std::unique_ptr<PreviewChannel> helper;
    QLocalSocket* raw = nullptr; // the helper's socket, for lines no channel would send
    std::vector<std::pair<QString, QJsonObject>> received;
    int closed = 0;
};

TEST_F(PreviewChannelEnds, MessagesArriveWholeAndInOrder_WhateverTheirTextHolds) {
    const QString selector = QStringLiteral("h1,\n.заголовок > a[title=\"}\"] { }");
    helper->Send(QStringLiteral("hello"), {{QStringLiteral("version"), kPreviewChannelVersion}});
    helper->Send(QStringLiteral("outline"), {{QStringLiteral("selector"), selector}});
    // A line that comes in pieces is read once it is whole.
    raw->write(R"({"type": "loaded", "address": "file:///tmp/a b.html"})");
    raw->flush();
    QTest::qWait(50);
    raw->write("\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 3; }, 5000));
    EXPECT_EQ(received[0].first, "hello");
    EXPECT_EQ(received[0].second.value(QStringLiteral("version")).toInt(), kPreviewChannelVersion);
    EXPECT_EQ(received[1].second.value(QStringLiteral("selector")).toString(), selector);
    EXPECT_EQ(received[2].second.value(QStringLiteral("address")).toString(),
              "file:///tmp/a b.html");
    EXPECT_EQ(closed, 0);
}

// What the helper tells of a pick, of computed values and of the page's sheets, and
// the rules it is given, arrive as they left, whatever their texts hold.
TEST_F(PreviewChannelEnds, APickAndThePagesAnswersSurviveTheTrip) {
    const std::string odd = "a \"quoted\"\nline \\ 'заголовок' \u2192 \t}";
    const PickedElement element{"div",
                                odd,
                                {"card", odd, ""},
                                {0, 7, 2},
                                {{"/tmp/a b/" + odd + ".css", -1}},
                                {"flex", "sticky", odd},
                                {{"section#" + odd, {3, 1}}, {"body", {}}, {"html", {0}}}};
    const std::vector<ComputedValue> values = {{"--Gap", odd}, {"color", ""}};
    const std::vector<PageSheet> sheets = {{"/tmp/" + odd + ".css", 0}, {"/tmp/b.css", 0}};
    const std::vector<PageRule> rules = {{odd, "@media print\n@supports (x: y)", true},
                                         {"p", "", false}};
    helper->Send(QStringLiteral("picked"), PickedJson(element));
    helper->Send(QStringLiteral("computed"), {{QStringLiteral("values"), ComputedJson(values)}});
    helper->Send(QStringLiteral("pageSheets"), {{QStringLiteral("sheets"), SheetsJson(sheets)}});
    helper->Send(QStringLiteral("pick"), PickingJson(rules, {}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 4; }, 5000));
    EXPECT_EQ(PickedOf(received[0].second), element);
    EXPECT_EQ(ComputedOf(received[1].second.value(QStringLiteral("values")).toArray()), values);
    EXPECT_EQ(SheetsOf(received[2].second.value(QStringLiteral("sheets")).toArray()), sheets);
    const std::vector<PageRule> back = PageRulesOf(received[3].second);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Selector, odd);
    EXPECT_EQ(back[0].Media, rules[0].Media);
    EXPECT_TRUE(back[0].Inherits);
    EXPECT_FALSE(back[1].Inherits);
    // Parts missing, or of another kind, leave the pick empty, not broken.
    EXPECT_EQ(PickedOf({{QStringLiteral("ancestors"), 5}, {QStringLiteral("tag"), 1}}),
              PickedElement{});
}

// What no channel sends: the line is not taken, nor any after it, and the channel is
// said closed once.
class PreviewChannelBadLine : public PreviewChannelEnds,
                              public ::testing::WithParamInterface<const char*> {};

TEST_P(PreviewChannelBadLine, ClosesTheChannel) {
    raw->write(GetParam());
    raw->write("{\"type\": \"loaded\"}\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed > 0; }, 5000));
    QTest::qWait(50);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(editor->IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Lines, PreviewChannelBadLine,
                         ::testing::Values("[1, 2]\n", "{\"no type\": 1}\n", "not json\n",
                                           "{\"type\": 5}\n"));

TEST_F(PreviewChannelEnds, TheOtherSideGoing_IsSaidOnce) {
    helper->Send(QStringLiteral("quit"));
    helper->Close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed > 0; }, 5000));
    ASSERT_EQ(received.size(), 1u) << "what was sent before closing arrives";
    EXPECT_EQ(received[0].first, "quit");
    QTest::qWait(50);
    EXPECT_EQ(closed, 1);
}

// The keys typed while the embedded page has the focus: the page's, or the editor's.
TEST(PreviewKeys, ThePageTakesTypingAndEditingKeys_TheEditorItsShortcuts) {
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        bool ForThePage;
    } cases[] = {
        {Qt::Key_A, Qt::NoModifier, true},
        {Qt::Key_A, Qt::ShiftModifier, true},
        {Qt::Key_Space, Qt::NoModifier, true},
        {Qt::Key_Escape, Qt::NoModifier, true},
        {Qt::Key_Backspace, Qt::NoModifier, true},
        {Qt::Key_C, Qt::ControlModifier, true},
        {Qt::Key_V, Qt::ControlModifier, true},
        {Qt::Key_A, Qt::ControlModifier, true},
        {Qt::Key_S, Qt::ControlModifier, false},
        {Qt::Key_Z, Qt::ControlModifier, false},
        {Qt::Key_F5, Qt::NoModifier, false},
        {Qt::Key_F, Qt::AltModifier, false},
        {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, false},
    };
    for (const auto& c : cases) {
        const QKeyEvent key(QEvent::ShortcutOverride, c.Key, c.Modifiers);
        EXPECT_EQ(KeyIsForThePage(key), c.ForThePage)
            << QKeySequence(c.Key | c.Modifiers).toString().toStdString();
    }
}

} // namespace
} // namespace tesselo
