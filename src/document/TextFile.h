#pragma once

// Text files as the editor reads and writes them: bytes as they are, no code page
// conversion; lines end in CR LF, a lone CR or a lone LF on reading and, on writing,
// in the sheet's own line end (the first line break of the file as read), the last
// line included.

#include "document/ByteText.h"
#include "document/FileReplacer.h"
#include "document/SheetEncoding.h"
#include "document/SheetLines.h"

#include <cstdint>
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
    SheetEncoding Encoding = SheetEncoding::Utf8;
    std::string Raw; // those bytes, for copies that must match the file exactly
};

// Why a file that could be read is still not taken as text: a pipe or a device could
// block or never end, and a NUL byte means UTF-16 or binary data, which the lines
// would cut short.
enum class ReadRefusal { None, NotARegularFile, TooLarge, HoldsNulByte };

// The largest file taken as a style sheet.
inline constexpr std::uintmax_t kMaxTextFileBytes = 64u * 1024 * 1024;

struct ReadFailure {
    std::string Reason; // the system's message, when the system refused
    ReadRefusal Refusal = ReadRefusal::None;
};

// Reads a whole regular file of text; on failure returns the system's reason or the
// refusal instead.
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

// The file a name leads to: a symbolic link, or a chain of them, is followed to its
// target (which may not exist yet), where a write through the name lands. The name
// itself for anything else and for links that run in a loop.
std::string FileBehindLinks(const std::string& path);

inline constexpr std::string_view kBackupCopySuffix = ".ORIGINAL";

// The backup copy of a style sheet: the full name of the file behind its links followed
// by ".ORIGINAL", so every name of one sheet finds the same copy.
std::string BackupCopyName(const std::string& path);

// The start of the name of a temporary file written beside the file at path, six
// random characters follow. It names the file it belongs to by a short hash, so a
// name as long as the system allows still gets a temporary file.
std::string TemporaryNamePrefix(const std::string& path);

// Removes the temporary files that a write of the file at path (or of its backup
// copy) left behind when the program ended in the middle of it.
void RemoveLeftoverTemporaryFiles(const std::string& path);

// The complete new text of a file written in place (one with other hard links), kept
// beside it under this name until the file itself holds all of it.
std::string InPlaceCopyName(const std::string& path);

// Finishes a write in place that the program did not live to complete: the file gets
// the whole text of its copy beside it, so nobody reads it cut. Nothing when no such
// copy is there; the system's reason when the file cannot be written.
std::optional<std::string> FinishInterruptedWrite(FileReplacer& files, const std::string& path);

} // namespace tesselo
