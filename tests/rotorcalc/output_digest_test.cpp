// rotorcalc's output for fixed, generated batches, held as digests: a change of any digit of any
// result, anywhere in the engine or in the writing, changes the digest.

#include "batch.h"
#include "mixed_batch.h"
#include "varied_requests.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <sstream>

using namespace velmarsund::rotorcalc;

namespace {

// FNV-1a, 64 bits, with the length: enough to notice any changed byte.
std::string Digest(const std::string& bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%016" PRIx64 "/%zu", h, bytes.size());
    return text;
}

std::string Output(const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::string message;
    EXPECT_EQ(RunStream(in, out, message), 0) << message;
    return out.str();
}

} // namespace

TEST(RotorcalcOutputDigest, TenThousandVariedSelections)
{
    EXPECT_EQ(Digest(Output(velmarsund::testing::VariedRotorBatch(10000))), "4631cf83a20cae6a/25394042");
}

TEST(RotorcalcOutputDigest, TwentyThousandMoistAirCalls)
{
    EXPECT_EQ(Digest(Output(velmarsund::testing::VariedAirBatch(20000))), "625d0e1aa450bf78/587713");
}

// Every mode, every humidity and volume kind, the moist-air functions at their edges; recorded on
// the engine before its searches were spared.
TEST(RotorcalcOutputDigest, TenThousandMixedRequests)
{
    EXPECT_EQ(Digest(Output(velmarsund::testing::MixedBatch(10000))), "d600aac4fef79134/15600896");
}
