// Both programs at the edges of the file system: input they cannot read is exit 2 with the
// system's reason, never an abort; PNG pages are written all or none and leave no stale pages of
// an earlier run; a pipe or a device named as output is left alone; names are the bytes given.

#include "program_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include <sys/stat.h>
#include <unistd.h>

namespace velmarsund {
namespace {

namespace fs = std::filesystem;
using testing::ProgramResult;
using testing::RunProgram;

const std::string kRotorsheet = ROTORSHEET_PATH;
const std::string kRotorcalc = ROTORCALC_PATH;

// Five pages, the two smallest first, in the language given.
std::string FivePages(const char* language) {
    return std::string(R"({"Height":2000,"Width":2000,"Language":")") + language +
           R"(","Pages":["leakage","controller","product","datasheet","chart"]})";
}

class ProgramFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/velmarsund-files-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(dir_))
            files[entry.path().filename().string()] = entry.is_regular_file() ? Read(entry.path()) : "";
        return files;
    }

    fs::path dir_;
};

TEST_F(ProgramFiles, UnreadableInputIsExit2WithTheSystemsReasonInBothPrograms) {
    const std::string fifo = Path("pipe.json");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string named; // the file argument, or empty for standard input
        std::string input; // standard input
        std::string message;
    };
    const std::string folder = dir_.string();
    const Case cases[] = {
        {folder, "/dev/null", "cannot read " + folder + ": Is a directory"},
        {"", folder, "cannot read standard input: Is a directory"},
        {"/proc/self/mem", "/dev/null", "cannot read /proc/self/mem: Input/output error"},
        // A pipe would wait for a writer for ever.
        {fifo, "/dev/null", "cannot read " + fifo + ": not a regular file"},
        {Path("missing.json"), "/dev/null",
         "cannot read " + Path("missing.json") + ": No such file or directory"},
    };
    const std::string output = Path("out.pdf");
    for (const Case& c : cases) {
        for (const std::string& program : {kRotorcalc, kRotorsheet}) {
            const bool sheet = program == kRotorsheet;
            std::vector<std::string> arguments;
            if (!c.named.empty()) arguments.push_back(c.named);
            if (sheet) arguments.insert(arguments.end(), {"-o", output});
            const ProgramResult run = RunProgram(program, arguments, c.input);
            const std::string tool = sheet ? "rotorsheet: " : "rotorcalc: ";
            EXPECT_EQ(run.exitCode, 2) << tool << c.message << "\n" << run.err;
            EXPECT_NE(run.err.find(tool + c.message), std::string::npos) << run.err;
            EXPECT_EQ(run.err.find("terminate"), std::string::npos) << run.err;
            EXPECT_FALSE(fs::exists(output));
        }
    }
}

TEST_F(ProgramFiles, ADiskFullAfterTwoOfFivePagesChangesNoPicture) {
    // The earlier pictures, in English.
    ASSERT_EQ(RunProgram(kRotorsheet, {Write("en.json", FivePages("en")), "-o", Path("out.png")}).exitCode,
              0);
    const auto before = Files();
    ASSERT_EQ(before.count("out-5.png"), 1u);

    // The German pictures measured elsewhere: the limit lets the first two through, not the third.
    const fs::path elsewhere = dir_ / "measure";
    fs::create_directory(elsewhere);
    const std::string german = Write("de.json", FivePages("de"));
    ASSERT_EQ(RunProgram(kRotorsheet, {german, "-o", (elsewhere / "out.png").string()}).exitCode, 0);
    const auto size = [&](int page) {
        return fs::file_size(elsewhere / ("out-" + std::to_string(page) + ".png"));
    };
    const auto limit = std::max(size(1), size(2));
    ASSERT_GT(size(3), limit) << "the third page must be the first that does not fit";
    fs::remove_all(elsewhere);
    const auto withGerman = Files();

    const ProgramResult run =
        RunProgram(kRotorsheet, {german, "-o", Path("out.png")}, "/dev/null", static_cast<long long>(limit));
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.err.find("rotorsheet: cannot write " + Path("out.png") + ": File too large"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Files(), withGerman) << "no picture changed, no temporary file left";
}

TEST_F(ProgramFiles, AShorterRunRemovesOnlyTheStalePagesOfItsOwnName) {
    ASSERT_EQ(RunProgram(kRotorsheet, {Write("five.json", FivePages("en")), "-o", Path("out.png")}).exitCode,
              0);
    // Names that only look alike stay.
    for (const char* name :
         {"out-06.png", "out-7.png.bak", "other-3.png", "out-x.png", "out-2.PNG", "out-.png"})
        Write(name, "kept");
    fs::create_directory(Path("out-8.png"));
    const ProgramResult run = RunProgram(
        kRotorsheet, {Write("one.json", R"({"Height":2000,"Width":2000})"), "-o", Path("out.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (int page = 2; page <= 5; ++page) {
        const std::string name = "out-" + std::to_string(page) + ".png";
        EXPECT_FALSE(fs::exists(Path(name))) << name;
        EXPECT_NE(run.err.find("removed " + Path(name)), std::string::npos) << run.err;
    }
    EXPECT_TRUE(fs::exists(Path("out-1.png")));
    for (const char* name :
         {"out-06.png", "out-7.png.bak", "other-3.png", "out-x.png", "out-2.PNG", "out-.png"})
        EXPECT_EQ(Read(Path(name)), "kept") << name;
    EXPECT_TRUE(fs::is_directory(Path("out-8.png")));
}

TEST_F(ProgramFiles, APipeOrADeviceAsOutputIsRefusedAndLeftAsItIs) {
    const std::string request = Write("r.json", R"({"Height":2000,"Width":2000})");
    ASSERT_EQ(::mkfifo(Path("pipe.pdf").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", Path("device.pdf"));
    // A picture page that is a link to the pipe.
    fs::create_symlink(Path("pipe.pdf"), Path("pics-1.png"));
    for (const char* name : {"pipe.pdf", "device.pdf", "pics.png"}) {
        const ProgramResult run = RunProgram(kRotorsheet, {request, "-o", Path(name)});
        EXPECT_EQ(run.exitCode, 3) << name << run.err;
        EXPECT_NE(run.err.find("cannot write " + Path(name)), std::string::npos) << run.err;
    }
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(Path("pipe.pdf"))));
    EXPECT_EQ(fs::read_symlink(Path("device.pdf")), "/dev/null");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(fs::read_symlink(Path("pics-1.png")), Path("pipe.pdf"));
}

TEST_F(ProgramFiles, AReplacedFileKeepsItsPermissionsAndALinkStaysALink) {
    const std::string request = Write("r.json", R"({"Height":2000,"Width":2000})");
    Write("read-only.pdf", "old");
    ::chmod(Path("read-only.pdf").c_str(), 0444);
    Write("shared.pdf", "old");
    ::chmod(Path("shared.pdf").c_str(), 0664);
    Write("target.pdf", "old");
    fs::create_symlink(Path("target.pdf"), Path("link.pdf"));
    for (const char* name : {"read-only.pdf", "shared.pdf", "link.pdf"})
        ASSERT_EQ(RunProgram(kRotorsheet, {request, "-o", Path(name)}).exitCode, 0) << name;
    const auto mode = [&](const char* name) {
        struct stat info {};
        ::stat(Path(name).c_str(), &info);
        return info.st_mode & 07777;
    };
    EXPECT_EQ(mode("read-only.pdf"), 0444u);
    EXPECT_EQ(mode("shared.pdf"), 0664u);
    EXPECT_TRUE(fs::is_symlink(Path("link.pdf")));
    EXPECT_TRUE(Read(Path("target.pdf")).starts_with("%PDF"));
}

TEST_F(ProgramFiles, NamesThatAreNoUtf8AreTheFilesTheyName) {
    // "ä" and "ü" in Latin-1, as an old archive gives them: two files, each under its own bytes.
    const std::string request = Write("r.json", R"({"Height":2000,"Width":2000})");
    const std::string input = Write("\xE4-request.json", R"({"Height":2000,"Width":2000,"Language":"de"})");
    ASSERT_EQ(RunProgram(kRotorsheet, {request, "-o", Path("\xE4.pdf")}).exitCode, 0);
    ASSERT_EQ(RunProgram(kRotorsheet, {input, "-o", Path("\xFC.pdf")}).exitCode, 0);
    ASSERT_EQ(RunProgram(kRotorsheet, {input, "-o", Path("\xE4.png")}).exitCode, 0);
    EXPECT_TRUE(Read(Path("\xE4.pdf")).starts_with("%PDF"));
    EXPECT_TRUE(Read(Path("\xFC.pdf")).starts_with("%PDF"));
    EXPECT_NE(Read(Path("\xE4.pdf")), Read(Path("\xFC.pdf")));
    EXPECT_TRUE(fs::exists(Path("\xE4-1.png")));
    EXPECT_FALSE(fs::exists(Path("\xEF\xBF\xBD.pdf")));
    const std::string answer = Write("\xE4-air.json", R"({"mode":"air","fn":"SatPressure","args":[0]})");
    EXPECT_EQ(RunProgram(kRotorcalc, {answer}).exitCode, 0);
}

} // namespace
} // namespace velmarsund
