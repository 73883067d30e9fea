#pragma once

// Text files as the editor reads and writes them: bytes as they are, no code page
// conversion; lines end in CR LF, a lone CR or a lone LF on reading and, on writing,
// in the sheet's own line end (the first line break of the file as read), the last
// line included.

#include "document/ByteText.h"
#include "document/FileReplacer.h"
#include "document/SheetLines.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// Splits bytes into lines. A last line without a line break is a line too; empty
// text gives no lines; a NUL byte ends the text.
LineList SplitLines(std::string_view bytes);

// Joins lines, each followed by CR LF.
std::string JoinLinesCrLf(const LineList& lines);

struct TextFileContent {
    SheetLines Text;
    size_t Bytes = 0; // bytes read from disk, NUL and all
    std::string Raw;  // those bytes, for copies that must match the file exactly
};

struct ReadFailure {
    std::string Reason; // the system's message
};

// Reads a whole file; on failure returns the system's reason instead.
std::optional<ReadFailure> ReadTextFile(const std::string& path, TextFileContent& out);

// Writes the lines through the atomic replace; the target is as it was when it fails.
std::optional<std::string> WriteSheetText(FileReplacer& files, const std::string& path,
                                          const SheetLines& lines,
                                          WriteMode mode = WriteMode::Durable);
// Writes bytes as they are through the atomic replace.
std::optional<std::string> WriteFileBytes(FileReplacer& files, const std::string& path,
                                          std::string_view bytes,
                                          WriteMode mode = WriteMode::Durable);
std::optional<std::string> WriteTextFile(FileReplacer& files, const std::string& path,
                                         const LineList& lines,
                                         WriteMode mode = WriteMode::Durable);

// Writes the same text to several files: a failed write changes none of them.
std::optional<std::string> WriteSheetFiles(FileReplacer& files,
                                           const std::vector<std::string>& paths,
                                           const SheetLines& lines,
                                           WriteMode mode = WriteMode::Durable);

bool FileExists(const std::string& path);

// Failures of these two are not reported: the commands that use them go on.
void DeleteFile(const std::string& path);
void RenameFile(const std::string& from, const std::string& to);

// The backup copy of a style sheet: the full name followed by ".ORIGINAL".
std::string BackupCopyName(const std::string& path);

} // namespace tesselo
