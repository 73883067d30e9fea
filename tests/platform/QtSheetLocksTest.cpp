#include "platform/QtSheetLocks.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tesselo {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(QtSheetLocks, OneHolderAtATime_AGoneHolderIsTakenOver) {
    TempDir dir;
    const std::string sheet = dir.File("a.css");
    WriteBytes(sheet, "h1 {}");
    QtSheetLocks first;
    QtSheetLocks second;
    EXPECT_EQ(first.Take(sheet), LockResult::Taken);
    EXPECT_EQ(first.Take(sheet), LockResult::Taken) << "held here already";
    EXPECT_EQ(second.Take(sheet), LockResult::HeldElsewhere);
    EXPECT_TRUE(std::filesystem::exists(dir.File(".a.css.lock")));
    first.Release(sheet);
    EXPECT_EQ(second.Take(sheet), LockResult::Taken);
    second.Release(sheet);

    // A lock left by a process that is gone.
    WriteBytes(dir.File(".a.css.lock"), "2147483646\ntesselo\n\n");
    EXPECT_EQ(first.Take(sheet), LockResult::Taken);
    EXPECT_EQ(QtSheetLocks().Take(dir.File("no folder/b.css")), LockResult::NotPossible);
}

} // namespace
} // namespace tesselo
