// tesselo-dump in its two modes, run as a user runs it.

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tesselo {
namespace {

// The lines of the dump tagged with the tag, each followed by "\n".
std::string Tagged(const std::string& arguments, const std::string& tag) {
    const std::string command = std::string(TESSELO_DUMP) + " " + arguments;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    if (!pipe)
        return {};
    std::string out;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        out.append(chunk, n);
    EXPECT_EQ(::pclose(pipe), 0) << command;
    std::string lines;
    for (size_t start = 0; start < out.size();) {
        size_t end = out.find('\n', start);
        const std::string line = out.substr(start, end - start);
        if (line.starts_with(tag + "\t"))
            lines += line.substr(tag.size() + 1) + "\n";
        start = end + 1;
    }
    return lines;
}

const std::string kSheet = "/* licence */\n"
                           "@media print {\n  h1 { color: red }\n}\n"
                           "\n/* links */\na:hover,\na:focus { color: #336699; cursor: pointer }\n";

TEST(TesseloDump, SelectingEveryRuleWritesTheTextAsRead) {
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, kSheet);
    EXPECT_EQ(Tagged(path, "sheet"), kSheet);
    EXPECT_EQ(Tagged(path, "rule"), "@media print\na:hover, a:focus\n");
    EXPECT_EQ(Tagged(path, "memo"), "h1 { color: red }\n\n; color: #336699;\n"
                                    "/* Properties without support of this version Tesselo */\n"
                                    "cursor:pointer;\n\n");
}

TEST(TesseloDump, EditAllWritesEveryRuleAnewWithItsCommentsInFront) {
    testing::TempDir dir;
    const std::string path = dir.File("site.css");
    testing::WriteBytes(path, kSheet);
    EXPECT_EQ(Tagged("--edit-all " + path, "sheet"),
              "/* licence */\n@media print {\nh1 { color: red }\n\n}\n"
              "/* links */\na:hover, a:focus {\n; color: #336699;\ncursor:pointer;\n\n}\n");
}

} // namespace
} // namespace tesselo
