// rotorcalc as a whole program on large batches: time and peak memory of the child process, read
// from the kernel's account of it (the peak resident set of the process that ran the batch).

#include "batch.h"
#include "varied_requests.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Written request by request, so that this process stays small: the kernel counts the memory of
// the spawning process at the moment of the spawn into the child's peak, which therefore can only
// overstate rotorcalc's own.
std::string WriteBatchFile(int count)
{
    const std::string path = "/tmp/rotorcalc-bench-" + std::to_string(count) + "-" + std::to_string(getpid()) + ".json";
    std::ofstream out(path, std::ios::binary);
    out << '[';
    for (int i = 0; i < count; ++i) out << (i ? ",\n" : "") << velmarsund::testing::VariedRotorRequest(i);
    out << ']';
    return path;
}

// Runs rotorcalc on `input` with its output to /dev/null; the child's peak resident set in MB.
double RunRotorcalcProgram(const std::string& input)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char program[] = ROTORCALC_PROGRAM;
    std::string arg = input;
    char* argv[] = {program, arg.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) return -1;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_RotorcalcProgramStreams(benchmark::State& state)
{
    const std::string input = WriteBatchFile(static_cast<int>(state.range(0)));
    double peak = 0;
    for (auto _ : state) peak = RunRotorcalcProgram(input);
    state.counters["peak_MB"] = peak;
    std::remove(input.c_str());
}
BENCHMARK(BM_RotorcalcProgramStreams)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->UseRealTime();

// The same streaming path in process, without the program's start: 10 000 requests to a string.
void BM_RotorcalcStream10000(benchmark::State& state)
{
    const std::string input = velmarsund::testing::VariedRotorBatch(10000);
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::string message;
        benchmark::DoNotOptimize(velmarsund::rotorcalc::RunStream(in, out, message));
    }
}
BENCHMARK(BM_RotorcalcStream10000)->Unit(benchmark::kMillisecond);

} // namespace
