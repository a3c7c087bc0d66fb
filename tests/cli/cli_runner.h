// Runs orvane-cli in the test process with in-memory streams.
#pragma once

#include "cli/cli.h"
#include "platform/temporary_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::cli::test_support
{

/// Exit status and both output streams of one run.
struct Sortie {
    int code;
    std::string out;
    std::string err;
};

/// Runs the command line `args` with `entree` as standard input.
inline Sortie lance(const std::vector<std::string>& args, const std::string& entree = "")
{
    std::istringstream in(entree);
    std::ostringstream out;
    std::ostringstream err;
    const int code = run_cli(args, in, out, err);
    return {code, out.str(), err.str()};
}

/// Commands that read the program directory run in a fresh one, which
/// receives the delivered places, summer-time tables and configuration.
class DansUnRepertoireNeuf : public ::testing::Test
{
protected:
    platform::test_support::TemporaryDirectory dir;
    void SetUp() override { ::setenv("ORVANE_HOME", dir.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("ORVANE_HOME"); }
};

} // namespace orvane::cli::test_support
