#include "platform/QtProgressDialog.h"

#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tesselo {
namespace {

bool Showing(const QtProgressDialog& progress) {
    return progress.Dialog() && progress.Dialog()->isVisible();
}

TEST(QtProgressDialog, WorkDoneQuicklyShowsNothing) {
    QtProgressDialog progress;
    for (int run = 0; run < 2; ++run) {
        progress.Begin("Чтение файла…", 10);
        progress.Begin("Сборка таблицы стилей…", 4);
        for (size_t done : {1U, 2U, 3U, 4U}) {
            progress.Step(done);
            EXPECT_FALSE(Showing(progress));
        }
        progress.End();
        progress.Step(10);
        progress.End();
        EXPECT_FALSE(Showing(progress));
    }
}

TEST(QtProgressDialog, LongWorkShowsModallyWithItsPartsAndHoldsTheWindowsTimers) {
    QtProgressDialog progress;
    int ticks = 0;
    QTimer timer; // as a step button held down
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    progress.Begin("Сохранение файла…", 0);
    progress.Begin("Сборка таблицы стилей…", 100);
    QTest::qSleep(600);
    progress.Step(10);
    ASSERT_TRUE(Showing(progress));
    QProgressDialog* dialog = progress.Dialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Tesselo"));
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Сборка таблицы стилей…"));
    EXPECT_EQ(dialog->findChild<QPushButton*>(), nullptr); // nothing to cancel
    progress.Step(50);
    progress.End();
    EXPECT_EQ(dialog->labelText(), QStringLiteral("Сохранение файла…"));
    EXPECT_TRUE(Showing(progress));
    EXPECT_EQ(ticks, 0);
    progress.End();
    EXPECT_FALSE(Showing(progress));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 5000))
        << "the timer goes on after the work";
}

} // namespace
} // namespace tesselo
