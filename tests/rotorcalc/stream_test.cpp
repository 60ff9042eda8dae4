// rotorcalc's input read request by request: strict JSON, one answer per request, results written
// as they are computed, and the inputs that once aborted or slipped through kept as cases.

#include "batch.h"
#include "request_stream.h"
#include "varied_requests.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <poll.h>
#include <sstream>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmarsund::rotorcalc;

namespace {

struct StreamRun {
    int status;
    std::string out;
    std::string message;
};

StreamRun Stream(const std::string& text)
{
    std::istringstream in(text);
    std::ostringstream out;
    StreamRun run{};
    run.status = RunStream(in, out, run.message);
    run.out = out.str();
    return run;
}

// Keeps what has been flushed to it, so a test can see when results leave.
class FlushRecorder : public std::stringbuf {
public:
    int flushes = 0;
    std::string flushed;

protected:
    int sync() override
    {
        ++flushes;
        flushed = str();
        return 0;
    }
};

// Hands out its chunks one at a time, as a pipe does when the other end writes them one by one:
// nothing of the next chunk is readable before the current one is used up. Records, for each
// chunk after the first, how many answers had been flushed when the reader asked for it.
class ChunkSource : public std::streambuf {
public:
    ChunkSource(std::vector<std::string> chunks, const FlushRecorder& out) : chunks_(std::move(chunks)), out_(out) {}
    std::vector<std::size_t> answersBefore;

protected:
    int_type underflow() override
    {
        if (next_ == chunks_.size()) return traits_type::eof();
        if (next_ > 0) {
            std::size_t answers = 0;
            for (auto at = out_.flushed.find("result"); at != std::string::npos; at = out_.flushed.find("result", at + 1))
                ++answers;
            answersBefore.push_back(answers);
        }
        std::string& chunk = chunks_[next_++];
        setg(chunk.data(), chunk.data(), chunk.data() + chunk.size());
        return traits_type::to_int_type(chunk[0]);
    }

private:
    std::vector<std::string> chunks_;
    std::size_t next_ = 0;
    const FlushRecorder& out_;
};

} // namespace

TEST(RotorcalcStream, WritesTheSameTextAsTheWholeDocumentPath)
{
    for (const std::string& text : {velmarsund::testing::VariedRotorBatch(40), std::string("[]"), std::string(" [ ] "),
                                    velmarsund::testing::VariedRotorRequest(7),
                                    std::string(R"([{"mode":"air","fn":"SatPressure","args":[20]}, 42, "x"])")}) {
        std::string message;
        const auto whole = ParseInput(text, message);
        ASSERT_TRUE(whole) << message;
        const StreamRun run = Stream(text);
        EXPECT_EQ(run.status, 0) << run.message;
        EXPECT_EQ(run.out, WriteResult(RunInput(*whole)) + "\n");
    }
}

// A caller that sends one request and waits for its answer gets it: the answers so far are
// flushed before the reader waits for input. Requests already there are answered in blocks, not
// with a flush (a system call) per result.
TEST(RotorcalcStream, AnswersAreOutBeforeTheReaderWaits)
{
    FlushRecorder buffer;
    std::ostream out(&buffer);
    std::string message;
    ChunkSource chunks({R"([{"mode":"air","fn":"SatPressure","args":[0]},)",
                        R"({"mode":"air","fn":"SatPressure","args":[1]} ,)",
                        R"( {"mode":"air","fn":"SatPressure","args":[2]})", "]"},
                       buffer);
    std::istream in(&chunks);
    EXPECT_EQ(RunStream(in, out, message), 0) << message;
    EXPECT_EQ(chunks.answersBefore, (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(buffer.flushed, buffer.str());

    std::istringstream whole(velmarsund::testing::VariedRotorBatch(20));
    FlushRecorder all;
    std::ostream allOut(&all);
    EXPECT_EQ(RunStream(whole, allOut, message), 0);
    EXPECT_LT(all.flushes, 5);
    EXPECT_EQ(all.flushed, all.str());
}

// The verdict for every input of the regression corpus: its exit status and, for the inputs that
// are JSON, the answer each request gets.
TEST(RotorcalcStream, RegressionCorpus)
{
    struct Case {
        std::string input;
        int status;
        std::string contains;
    };
    const std::string leakage = R"({"mode":"leakage","Diameter":1880,"ProfileCode":"E-E20","V12":10000,"V21":10000,)";
    const std::vector<Case> cases = {
        // Literals no double can hold: an error for that field, the batch goes on.
        {R"({"AirPressure":1e99999999999999999999})", 0, "field 'AirPressure' must be a finite number"},
        {"[" + leakage + R"("P22":1234e56789012345678901234567890},{"mode":"air","fn":"SatPressure","args":[0]}])", 0,
         R"([{"error":"field 'P22' must be a finite number"},{"result":611.)"},
        {R"({"AirPressure":-1e400})", 0, "field 'AirPressure' must be a finite number"},
        {R"({"AirPressure":0.00000000000000000000000000000000000000000000000001e360})", 0, "must be a finite number"},
        {R"({"mode":"air","fn":"SatPressure","args":[0.00000000000000000000000000000000000000000000000001e350]})", 0, "SatPressure raised an arithmetic error"},
        {R"({"AirPressure":NaN})", 0, "field 'AirPressure' must be a finite number"},
        // Underflow reads as zero, as in any JSON reader; an exponent of any length is no crash.
        {R"({"mode":"air","fn":"SatPressure","args":[1e-99999999999999999999999999999999]})", 0, R"({"result":611.)"},
        {R"({"mode":"air","fn":"SatPressure","args":[0e99999999999999999999999999999999]})", 0, R"({"result":611.)"},
        // Not JSON: exit 2, whatever follows the document or hides in a number.
        {R"({"AirPressure":1e400-5})", 2, ""},
        {R"({"AirPressure":1013-5})", 2, ""},
        {R"({"AirPressure":01013})", 2, ""},
        {R"({"AirPressure":1.})", 2, ""},
        {std::string(R"({"AirPressure":1013})") + '\0', 2, ""},
        {std::string(R"({"AirPressure":10)") + '\0' + "13}", 2, ""},
        {R"([{"mode":"air","fn":"SatPressure","args":[0]}] x)", 2, R"([{"result":611.)"},
        {R"([{"mode":"air","fn":"SatPressure","args":[0]} {}])", 2, ""},
        {R"({"mode":"air"} {"mode":"air"})", 2, ""},
        {R"([1,])", 2, ""},
        {R"([)", 2, ""},
        {R"({"a":"open)", 2, ""},
        {"", 2, ""},
        {"\xEF\xBB\xBF[]", 0, "[]"},
    };
    for (const Case& c : cases) {
        const StreamRun run = Stream(c.input);
        EXPECT_EQ(run.status, c.status) << c.input << " -> " << run.out << run.message;
        EXPECT_NE(run.out.find(c.contains), std::string::npos) << c.input << " -> " << run.out;
        if (c.status == 2) {
            EXPECT_FALSE(run.message.empty());
            // Cut short: never the closing bracket of a complete answer.
            EXPECT_EQ(run.out.find("]\n"), std::string::npos) << c.input;
            std::string message;
            EXPECT_FALSE(ParseInput(c.input, message)) << c.input;
        }
    }
}

TEST(RotorcalcStream, LongValuesAreCutInMessages)
{
    const std::string huge(1'000'000, 'x');
    for (const std::string& text : {R"({"mode":")" + huge + R"("})", R"({")" + huge + R"(":1})",
                                    R"({"mode":"air","fn":")" + huge + R"(","args":[]})"}) {
        const StreamRun run = Stream(text);
        EXPECT_EQ(run.status, 0);
        EXPECT_LT(run.out.size(), 200u) << run.out.substr(0, 200);
        EXPECT_NE(run.out.find("(1000000 bytes)"), std::string::npos) << run.out.substr(0, 200);
    }
    // A cut never splits a character: the answer stays valid UTF-8.
    std::string cyrillic;
    for (int i = 0; i < 50; ++i) cyrillic += "\xD0\x96";
    const StreamRun run = Stream(R"({"mode":"x)" + cyrillic + R"("})");
    EXPECT_NE(run.out.find("x" + cyrillic.substr(0, 38) + "..."), std::string::npos) << run.out;
}

// The program answers the first request of a batch while the rest has not even been sent, and a
// kill leaves what it has written.
TEST(RotorcalcProgram, AnswersBeforeTheInputEnds)
{
    int toChild[2], fromChild[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(fromChild), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        close(toChild[1]);
        close(fromChild[0]);
        execl(ROTORCALC_PROGRAM, ROTORCALC_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    const std::string first = R"([{"mode":"air","fn":"SatPressure","args":[0]},)";
    ASSERT_EQ(write(toChild[1], first.data(), first.size()), static_cast<ssize_t>(first.size()));

    std::string out;
    pollfd readable{fromChild[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (out.find('}') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (poll(&readable, 1, 500) <= 0) continue;
        char buffer[256];
        const ssize_t n = read(fromChild[0], buffer, sizeof buffer);
        if (n <= 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    close(toChild[1]);
    close(fromChild[0]);
    EXPECT_EQ(out.substr(0, 12), R"([{"result":6)") << out;
}

// Extreme but well-formed values reach every conversion to an integer: each gives a result or an
// error for its request (under the sanitizers, undefined behaviour would end the test).
TEST(RotorcalcStream, ExtremeValuesInEveryMode)
{
    const std::vector<std::string> requests = {
        R"({"mode":"geometry","SeriesIndex":0,"Height":2147483647,"Width":2147483647,"Diameter":-216324375,"MatrixType":1,"Profile":"E20"})",
        R"({"mode":"geometry","SeriesIndex":3,"Height":-2147483648,"Width":2147483647,"Diameter":2147483647,"MatrixType":1,"Profile":"E20"})",
        R"({"Diameter":2147483647,"Profile":"E20","WheelDepth":2147483647,"Speed":1e300})",
        R"({"Diameter":-2147483648,"Profile":"E20","State11":{"SVol":-1e300,"Temp":1e300}})",
        R"({"mode":"weight","HousingCode":10,"MatrixType":1,"Height":-2147483648,"Width":-2147483648,"Diameter":-2147483648,"Profile":"E20","DepthOverride":2147483647})",
        R"({"mode":"leakage","Diameter":2147483647,"ProfileCode":"E-E20","V12":1e300,"V21":-1e300})",
        R"({"mode":"air","fn":"MoistureFactor","args":[-1e300,1,1,1,1,1]})",
        R"({"mode":"sizes","SeriesIndex":0,"Profile":"E20","State11":{"SVol":-10000},"State21":{"SVol":1e300}})",
    };
    for (const std::string& r : requests) {
        const StreamRun run = Stream(r);
        EXPECT_EQ(run.status, 0) << r;
        std::string message;
        const auto answer = ParseInput(run.out, message);
        ASSERT_TRUE(answer && answer->is_object()) << r << " -> " << run.out;
    }
    // A flow that suits no wheel: every size unsuitable, the first proposed.
    const StreamRun sizes = Stream(requests.back());
    EXPECT_NE(sizes.out.find(R"({"DLow":0,"DHigh":0,"Selected":0,)"), std::string::npos) << sizes.out.substr(0, 200);
}

// Results are written straight into text; the bytes are those of the JSON library's own writer.
TEST(RotorcalcStream, ResultTextIsTheLibrarysText)
{
    const Json tricky = Json::parse(R"({"a":0.0,"b":-0.0,"c":1e300,"d":-2.5e-308,"e":5e-324,"f":0.1,"g":123456789012345678,
        "h":18446744073709551615,"i":-9223372036854775808,"j":"plain","k":"quote \" and \\ and \n and \u0001",
        "l":"Größe 风 Ж","m":[],"n":{},"o":[1,[2,{"p":null}]],"q":true,"r":false,"s":4.1752050594835004e+78})");
    std::string text;
    for (const Json& v : {tricky, Json(std::string("bad \xC3 utf-8 \xFF")), Json(0.30000000000000004)}) {
        EXPECT_EQ(WriteResult(v), v.dump(-1, ' ', false, Json::error_handler_t::replace));
    }
    EXPECT_EQ(WriteResult(Json(std::nan(""))), "null");
}
