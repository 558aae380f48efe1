#pragma once

#include "cli/Tool.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace tavolim::cli {

using Json = nlohmann::ordered_json;

// One run of the tool: exit code and both streams.
struct Result {
    int code = -1;
    std::string out;
    std::string err;

    // Each line of the output as JSON; bad JSON throws, failing the test.
    std::vector<Json> lines() const
    {
        std::vector<Json> parsed;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            parsed.push_back(Json::parse(line));
        }
        return parsed;
    }
};

inline Result run(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    Result r;
    r.code = runTool(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// The tool run on `dir`, at first a fresh data folder of its own.
class ToolTestBase : public ::testing::Test {
protected:
    Result tool(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--dados", dir});
        return run(args);
    }

    test::TempDataFolder temp;
    std::string dir = temp.path().string();
};

} // namespace tavolim::cli
