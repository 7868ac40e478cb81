// Replays every file of the fuzz corpus's seeds (the templates' forms and every input the fuzzer
// found) through the fuzz target's invariants, so that each stays a regression test of the suite.

#include "reader_invariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzSeeds, EverySeedKeepsTheReaderInvariants)
{
    const fs::path folder = fs::path(ZEL_SOURCE_DIR) / "fuzz" / "seeds";
    std::vector<fs::path> seeds;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            seeds.push_back(entry.path());
    std::sort(seeds.begin(), seeds.end());
    ASSERT_GE(seeds.size(), 4u) << "the seeds are missing from " << folder;
    for (const fs::path& seed : seeds) {
        SCOPED_TRACE(seed.filename().string());
        EXPECT_EQ(zel::fuzz::checkReaderInvariants(fileBytes(seed)), "");
    }
}

} // namespace
