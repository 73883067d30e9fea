#include "document/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace tesselo {

namespace fs = std::filesystem;

LineList SplitLines(std::string_view bytes) {
    return SheetLines::FromBytes(bytes).ToLineList();
}

std::string JoinLinesCrLf(const LineList& lines) {
    return SheetLines::FromLines(lines).Bytes();
}

namespace {

// The whole file's bytes, `size` of them expected; otherwise the system's reason.
std::optional<std::string> ReadBytes(const std::string& path, std::string& bytes,
                                     std::optional<std::uintmax_t> size) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::string(std::strerror(errno));
    if (size)
        bytes.reserve(static_cast<size_t>(*size));
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, n);
    const int err = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (err != 0)
        return std::string(std::strerror(err));
    return std::nullopt;
}

} // namespace

std::optional<ReadFailure> ReadTextFile(const std::string& path, TextFileContent& out) {
    // The file is examined once, before opening: opening a pipe waits for a writer, and
    // some systems open a folder for reading, which must fail like a file that cannot
    // be read.
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status))
        return ReadFailure{std::make_error_code(std::errc::is_a_directory).message()};
    std::optional<std::uintmax_t> size;
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status))
            return ReadFailure{{}, ReadRefusal::NotARegularFile};
        if (const auto found = fs::file_size(path, ec); !ec)
            size = found;
        if (size > kMaxTextFileBytes)
            return ReadFailure{{}, ReadRefusal::TooLarge};
    }
    std::string bytes;
    if (auto reason = ReadBytes(path, bytes, size))
        return ReadFailure{*reason};
    if (bytes.size() > kMaxTextFileBytes)
        return ReadFailure{{}, ReadRefusal::TooLarge};
    if (bytes.find('\0') != std::string::npos)
        return ReadFailure{{}, ReadRefusal::HoldsNulByte};
    out.Bytes = bytes.size();
    out.Text = SheetLines::FromBytes(bytes);
    out.Encoding = DetectSheetEncoding(std::string_view(bytes).substr(0, bytes.find('\0')));
    out.Raw = std::move(bytes);
    return std::nullopt;
}

std::optional<std::string> WriteSheetText(FileReplacer& files, const std::string& path,
                                          const SheetLines& lines, WriteMode mode) {
    return files.ReplaceFiles({path}, lines.Bytes(), mode);
}

std::optional<std::string> WriteFileBytes(FileReplacer& files, const std::string& path,
                                          std::string_view bytes, WriteMode mode) {
    return files.ReplaceFiles({path}, bytes, mode);
}

std::optional<std::string> WriteTextFile(FileReplacer& files, const std::string& path,
                                         const LineList& lines, WriteMode mode) {
    return WriteSheetText(files, path, SheetLines::FromLines(lines), mode);
}

std::optional<std::string> WriteSheetFiles(FileReplacer& files,
                                           const std::vector<std::string>& paths,
                                           const SheetLines& lines, WriteMode mode) {
    return files.ReplaceFiles(paths, lines.Bytes(), mode);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return fs::exists(status) && !fs::is_directory(status);
}

std::string FileBehindLinks(const std::string& path) {
    // As many links as the system follows before it gives up on a loop.
    constexpr int kMostLinks = 40;
    std::error_code ec;
    fs::path current(path);
    for (int hops = 0; hops < kMostLinks; ++hops) {
        if (!fs::is_symlink(fs::symlink_status(current, ec)))
            return current.string();
        const fs::path target = fs::read_symlink(current, ec);
        if (ec)
            return path;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return path;
}

std::string BackupCopyName(const std::string& path) {
    return FileBehindLinks(path) + std::string(kBackupCopySuffix);
}

std::string TemporaryNamePrefix(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
    return ".tesselo-" + std::string(hex) + "-";
}

namespace {

void RemoveTemporaryFilesOf(const fs::path& file) {
    const std::string prefix = TemporaryNamePrefix(file.string());
    constexpr size_t kRandomPart = 6;
    std::error_code ec;
    fs::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + kRandomPart && name.starts_with(prefix) &&
            it->is_regular_file(ec) && !it->is_symlink(ec))
            leftovers.push_back(it->path());
    }
    for (const auto& leftover : leftovers)
        fs::remove(leftover, ec);
}

} // namespace

std::string InPlaceCopyName(const std::string& path) {
    const fs::path file(path);
    return (file.parent_path() / (TemporaryNamePrefix(path) + "whole")).string();
}

std::optional<std::string> FinishInterruptedWrite(FileReplacer& files, const std::string& path) {
    // A link is written beside its target.
    const std::string file = FileBehindLinks(path);
    std::error_code ec;
    const std::string copy = InPlaceCopyName(file);
    if (!fs::is_regular_file(fs::symlink_status(copy, ec)))
        return std::nullopt;
    TextFileContent whole;
    if (ReadTextFile(copy, whole))
        return std::nullopt;
    if (auto error = files.ReplaceFiles({file}, whole.Raw, WriteMode::Durable))
        return error;
    fs::remove(copy, ec);
    return std::nullopt;
}

void RemoveLeftoverTemporaryFiles(const std::string& path) {
    // A link is written beside its target, and so is its backup copy.
    const std::string file = FileBehindLinks(path);
    for (const std::string& name : {path, file, BackupCopyName(file)})
        RemoveTemporaryFilesOf(name);
}

} // namespace tesselo
