// The help page quotes each variant's return under best play; it must be
// what talvern-odds computes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "odds_cli.h"

namespace {

std::string helpPage() {
    std::ifstream in(TALVERN_HELP_PAGE);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string computedPercent(const std::string& variant) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(talvern::odds::run({"return", variant}, in, out, err), 0);
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("return ", 0) == 0) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.2f%%", 100.0 * std::stod(line.substr(7)));
            return buf;
        }
    }
    return "none";
}

} // namespace

TEST(HelpPage, QuotesTheReturnsTheToolComputes) {
    const std::string page = helpPage();
    ASSERT_FALSE(page.empty());
    for (const char* variant : {"joker", "jacks", "deuces"}) {
        const std::string cell = std::string("id=\"return-") + variant + "\">" + computedPercent(variant) + "<";
        EXPECT_NE(page.find(cell), std::string::npos) << cell;
    }
}
