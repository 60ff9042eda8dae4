#include "file_access.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmarsund {
namespace {

namespace fs = std::filesystem;

FileRead Failed(ReadFault fault, std::string reason) {
    FileRead result;
    result.fault = fault;
    result.reason = std::move(reason);
    return result;
}

ssize_t ReadSome(int fd, char* data, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, data, size);
        if (n >= 0 || errno != EINTR) return n;
    }
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Where a file is written, and the temporary file beside it.
struct Target {
    fs::path final;
    fs::path temporary;
    int fd = -1;
};

void Discard(std::vector<Target>& targets) {
    for (Target& t : targets) {
        if (t.fd >= 0) ::close(t.fd);
        t.fd = -1;
        if (!t.temporary.empty()) ::unlink(t.temporary.c_str());
        t.temporary.clear();
    }
}

} // namespace

std::string SystemReason(int error) {
    return std::strerror(error);
}

int OpenRegularFile(const fs::path& path, ReadFault& fault, std::string& reason) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        fault = ReadFault::System;
        reason = SystemReason(errno);
        return -1;
    }
    if (S_ISDIR(info.st_mode)) {
        fault = ReadFault::NotRegular;
        reason = SystemReason(EISDIR);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        fault = ReadFault::NotRegular;
        reason = kNotRegularReason;
        return -1;
    }
    // Without waiting: what is there may have become a pipe since the look above.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        fault = ReadFault::System;
        reason = SystemReason(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        fault = ReadFault::NotRegular;
        reason = kNotRegularReason;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fault = ReadFault::None;
    reason.clear();
    return fd;
}

FileRead ReadRegularFile(const fs::path& path, std::size_t limit) {
    ReadFault fault = ReadFault::None;
    std::string reason;
    const int fd = OpenRegularFile(path, fault, reason);
    if (fd < 0) return Failed(fault, reason);
    FileRead result = ReadDescriptor(fd, limit);
    ::close(fd);
    return result;
}

FileRead ReadDescriptor(int fd, std::size_t limit) {
    FileRead result;
    std::string& bytes = result.bytes;
    constexpr std::size_t kChunk = 1 << 16;
    for (;;) {
        const std::size_t at = bytes.size();
        // One byte more than the limit tells a file that is too large.
        const std::size_t want = std::min(kChunk, limit + 1 - at);
        bytes.resize(at + want);
        const ssize_t n = ReadSome(fd, bytes.data() + at, want);
        if (n < 0) {
            const int error = errno;
            return Failed(ReadFault::System, SystemReason(error));
        }
        bytes.resize(at + static_cast<std::size_t>(n));
        if (n == 0) return result;
        if (bytes.size() > limit) {
            bytes.resize(limit);
            result.fault = ReadFault::TooLarge;
            result.reason = "larger than " + std::to_string(limit) + " bytes";
            return result;
        }
    }
}

DescriptorBuffer::int_type DescriptorBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (error_ != 0) return traits_type::eof();
    const ssize_t n = ReadSome(fd_, buffer_, sizeof buffer_);
    if (n < 0) error_ = errno;
    if (n <= 0) return traits_type::eof();
    setg(buffer_, buffer_, buffer_ + n);
    return traits_type::to_int_type(*gptr());
}

bool WriteFilesAtomically(const std::vector<FileContent>& files, std::string& reason) {
    std::vector<Target> targets;
    targets.reserve(files.size());
    std::vector<struct stat> kept(files.size());
    std::vector<bool> exists(files.size(), false);
    for (std::size_t i = 0; i < files.size(); ++i) {
        Target target;
        target.final = files[i].path;
        struct stat info {};
        if (::stat(files[i].path.c_str(), &info) == 0) {
            if (!S_ISREG(info.st_mode)) {
                reason = S_ISDIR(info.st_mode) ? SystemReason(EISDIR) : std::string(kNotRegularReason);
                return false;
            }
            exists[i] = true;
            kept[i] = info;
            // A link stays a link: the file it names is replaced.
            struct stat link {};
            if (::lstat(files[i].path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
                std::error_code error;
                const fs::path resolved = fs::canonical(files[i].path, error);
                if (!error) target.final = resolved;
            }
        }
        targets.push_back(std::move(target));
    }

    const mode_t newMode = NewFileMode();
    for (std::size_t i = 0; i < files.size(); ++i) {
        Target& t = targets[i];
        fs::path folder = t.final.parent_path();
        if (folder.empty()) folder = ".";
        std::string pattern = (folder / ("." + t.final.filename().string() + ".XXXXXX")).string();
        t.fd = ::mkstemp(pattern.data());
        if (t.fd < 0) {
            reason = SystemReason(errno);
            Discard(targets);
            return false;
        }
        ::fcntl(t.fd, F_SETFD, FD_CLOEXEC);
        t.temporary = pattern;
        bool ok = WriteAll(t.fd, files[i].bytes) && ::fsync(t.fd) == 0;
        if (ok && exists[i]) {
            // Owner first: changing it may clear the set-id bits that the mode then restores.
            if (kept[i].st_uid != ::geteuid() || kept[i].st_gid != ::getegid())
                (void)::fchown(t.fd, kept[i].st_uid, kept[i].st_gid);
            ok = ::fchmod(t.fd, kept[i].st_mode & 07777) == 0;
        } else if (ok) {
            ok = ::fchmod(t.fd, newMode) == 0;
        }
        if (!ok) {
            reason = SystemReason(errno);
            Discard(targets);
            return false;
        }
        const int fd = t.fd;
        t.fd = -1;
        if (::close(fd) != 0) {
            reason = SystemReason(errno);
            Discard(targets);
            return false;
        }
    }
    // Every file is whole on disk: now they take their names, one rename each.
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (::rename(targets[i].temporary.c_str(), targets[i].final.c_str()) != 0) {
            reason = SystemReason(errno);
            Discard(targets);
            return false;
        }
        targets[i].temporary.clear();
    }
    return true;
}

std::vector<fs::path> RemoveNumberedFilesAbove(const fs::path& folder, const std::string& stem,
                                               const std::string& suffix, std::size_t count) {
    std::vector<fs::path> removed;
    const fs::path where = folder.empty() ? fs::path(".") : folder;
    DIR* dir = ::opendir(where.c_str());
    if (!dir) return removed;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() <= stem.size() + suffix.size() || !name.starts_with(stem) || !name.ends_with(suffix))
            continue;
        const std::string_view digits = name.substr(stem.size(), name.size() - stem.size() - suffix.size());
        if (digits.size() > 18 || digits.front() == '0' ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (std::stoull(std::string(digits)) <= count) continue;
        const fs::path path = where / std::string(name);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        if (::unlink(path.c_str()) == 0)
            removed.push_back(folder.empty() ? fs::path(std::string(name)) : path);
    }
    ::closedir(dir);
    std::sort(removed.begin(), removed.end());
    return removed;
}

} // namespace velmarsund
