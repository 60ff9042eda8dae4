// Files by name: what may be read (only regular files, never waiting on a pipe), what a read or a
// write failure says, and several files replaced all or none.

#include "file_access.h"
#include "file_size_limit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmarsund {
namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/velmarsund-access-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Path(const std::string& name) const { return dir_ / name; }
    fs::path Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
        return files;
    }

    fs::path dir_;
};

TEST_F(FileAccessTest, OnlyRegularFilesAreReadAndNothingWaits) {
    Write("plain", "text");
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    fs::create_symlink(Path("plain"), Path("link"));
    fs::create_symlink(Path("pipe"), Path("pipe-link"));
    fs::create_symlink(Path("nowhere"), Path("dangling"));
    fs::create_symlink("/dev/zero", Path("device-link"));
    struct Case {
        fs::path path;
        ReadFault fault;
        const char* reason;
    };
    const Case cases[] = {
        {Path("plain"), ReadFault::None, ""},
        {Path("link"), ReadFault::None, ""},
        {Path("pipe"), ReadFault::NotRegular, "not a regular file"},
        {Path("pipe-link"), ReadFault::NotRegular, "not a regular file"},
        {Path("device-link"), ReadFault::NotRegular, "not a regular file"},
        {dir_, ReadFault::NotRegular, "Is a directory"},
        {Path("dangling"), ReadFault::System, "No such file or directory"},
        {"/proc/self/mem", ReadFault::System, "Input/output error"},
    };
    for (const Case& c : cases) {
        const FileRead read = ReadRegularFile(c.path, 100);
        EXPECT_EQ(read.fault, c.fault) << c.path;
        EXPECT_EQ(read.reason, c.reason) << c.path;
        EXPECT_EQ(read.bytes, c.fault == ReadFault::None ? "text" : "") << c.path;
    }
    // One byte over the limit.
    Write("large", std::string(101, 'x'));
    EXPECT_EQ(ReadRegularFile(Path("large"), 101).bytes.size(), 101u);
    EXPECT_EQ(ReadRegularFile(Path("large"), 100).fault, ReadFault::TooLarge);
}

TEST_F(FileAccessTest, AReadErrorEndsAStreamAndIsKept) {
    const int fd = ::open("/proc/self/mem", O_RDONLY);
    ASSERT_GE(fd, 0);
    DescriptorBuffer buffer(fd);
    std::istream in(&buffer);
    std::string text;
    EXPECT_FALSE(std::getline(in, text));
    EXPECT_EQ(buffer.Error(), EIO);
    ::close(fd);
}

TEST_F(FileAccessTest, ADiskFullAfterTwoOfFiveFilesChangesNone) {
    std::vector<FileContent> files;
    for (int i = 1; i <= 5; ++i) {
        Write("page-" + std::to_string(i), "old " + std::to_string(i));
        files.push_back({Path("page-" + std::to_string(i)), std::string(i <= 2 ? 1000 : 5000, 'n')});
    }
    const auto before = Files();

    // Writes beyond 2000 bytes of one file fail: the first two files fit, the third does not.
    std::string reason;
    bool written = false;
    {
        const testing::FileSizeLimit limit(2000);
        ASSERT_TRUE(limit.Active());
        written = WriteFilesAtomically(files, reason);
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(reason, SystemReason(EFBIG));
    EXPECT_EQ(Files(), before) << "no file changed, no temporary file left";

    ASSERT_TRUE(WriteFilesAtomically(files, reason)) << reason;
    EXPECT_EQ(Files().at("page-5"), std::string(5000, 'n'));
    EXPECT_EQ(Files().size(), 5u);
}

TEST_F(FileAccessTest, SpecialFilesAreNoOutput) {
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", Path("device-link"));
    fs::create_directory(Path("folder"));
    for (const char* name : {"pipe", "device-link", "folder"}) {
        std::string reason;
        // The first file would be fine: it is not written either.
        EXPECT_FALSE(WriteFilesAtomically({{Path("fine"), "x"}, {Path(name), "x"}}, reason)) << name;
        EXPECT_EQ(reason, std::string(name) == "folder" ? "Is a directory" : "not a regular file");
        EXPECT_FALSE(fs::exists(Path("fine")));
    }
    EXPECT_TRUE(fs::is_fifo(Path("pipe")));
    EXPECT_EQ(fs::read_symlink(Path("device-link")), "/dev/null");
    EXPECT_TRUE(fs::is_directory(Path("folder")));
}

} // namespace
} // namespace velmarsund
