#pragma once
// Files read and written by name, as the program and the command-line tools do it: only regular
// files are read (a pipe, a device or a folder would make the reader wait or fail), nothing is
// opened in a way that can block, and files are replaced atomically, several of them all or
// nothing. Names are taken as the bytes the system knows them by. No Qt.

#include <cstddef>
#include <filesystem>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmarsund {

enum class ReadFault {
    None,
    NotRegular, // a folder, a pipe, a device, a socket or a dangling link
    System,     // the system refused to open or read it
    TooLarge,   // more bytes than the caller takes
};

struct FileRead {
    std::string bytes;
    ReadFault fault = ReadFault::None;
    std::string reason; // the system's words, e.g. "Is a directory", "Input/output error"
    bool Ok() const { return fault == ReadFault::None; }
};

// The reason given for something that is no regular file.
inline constexpr std::string_view kNotRegularReason = "not a regular file";

// Opens the regular file at `path` (a link counts as the file it names) for reading without ever
// waiting for a writer; -1 with `fault` and `reason` set otherwise.
int OpenRegularFile(const std::filesystem::path& path, ReadFault& fault, std::string& reason);

// Reads the regular file at `path`: at most `limit` bytes, TooLarge when it holds more.
FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

// Reads an open descriptor (standard input) to its end: at most `limit` bytes.
FileRead ReadDescriptor(int fd, std::size_t limit);

// A stream buffer over a descriptor that ends the input on a read error instead of throwing, and
// keeps the error for the caller to report.
class DescriptorBuffer : public std::streambuf {
  public:
    explicit DescriptorBuffer(int fd) : fd_(fd) {}
    // The system's error number of the read that failed, or 0.
    int Error() const { return error_; }

  protected:
    int_type underflow() override;

  private:
    int fd_;
    int error_ = 0;
    char buffer_[1 << 16];
};

// The system's words for an error number.
std::string SystemReason(int error);

// One file to write: where, and its whole content.
struct FileContent {
    std::filesystem::path path;
    std::string bytes;
};

// Writes every file to a temporary file beside it first and moves them into place only when all
// are written and synced: on failure none of the named files changes. A named file that exists
// must be a regular file (or a link to one, which is followed and kept); a pipe, a device or a
// socket is refused and left as it is. A replaced file keeps its permission bits. False with the
// system's reason on failure.
bool WriteFilesAtomically(const std::vector<FileContent>& files, std::string& reason);

// Removes the regular files in the folder of `first` that are named like it, `<stem><n><suffix>`
// with `n` a number above `count` written without leading zeros; returns their paths.
std::vector<std::filesystem::path> RemoveNumberedFilesAbove(const std::filesystem::path& folder,
                                                            const std::string& stem,
                                                            const std::string& suffix, std::size_t count);

} // namespace velmarsund
