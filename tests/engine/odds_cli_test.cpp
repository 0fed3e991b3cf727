#include <gtest/gtest.h>

#include <sstream>

#include "odds_cli.h"

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result run(std::vector<std::string> args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = talvern::odds::run(args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(OddsCli, ClassifyPrintsTheEvaluation) {
    // four aces and the joker
    auto r = run({"classify", "joker", "drawn", "1", "14", "0", "27", "40"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "class=p risk=1 flags=11111 bonus=0 jacks=0 line=1\n");

    r = run({"classify", "jacks", "drawn", "11", "24", "3", "31", "8"});  // pair of jacks
    EXPECT_EQ(r.out, "class=w risk=9 flags=11000 bonus=0 jacks=1 line=9\n");

    r = run({"classify", "joker", "drawn", "13", "26", "3", "31", "8"});  // pair of kings
    EXPECT_EQ(r.out, "class=w risk=- flags=11000 bonus=1 jacks=0 line=-\n");

    r = run({"classify", "deuces", "dealt", "3", "5", "9", "13", "20"});  // four hearts
    EXPECT_EQ(r.out, "class=x risk=- flags=11110 bonus=0 jacks=0 line=-\n");

    // 3-5-6-7 of hearts and the 8 of spades: both hints, all five proposed
    r = run({"classify", "jacks", "dealt", "3", "5", "6", "7", "47"});
    EXPECT_EQ(r.out, "class=x risk=- flags=11111 bonus=0 jacks=0 line=-\n");
}

TEST(OddsCli, ClassifyReadsManyHandsFromStandardInput) {
    auto r = run({"classify", "jacks", "drawn", "-"}, "1 14 27 40 5\n\n10 11 12 13 1\n1 1 2 3 4\n");
    EXPECT_EQ(r.status, 2);  // the bad line is reported, the others answered
    EXPECT_EQ(r.out,
              "class=k risk=4 flags=11110 bonus=0 jacks=0 line=3\n"
              "class=r risk=2 flags=11111 bonus=0 jacks=0 line=1\n"
              "error\n");
    EXPECT_NE(r.err.find("line 4"), std::string::npos);
}

TEST(OddsCli, DealAndDrawReproduceASeed) {
    auto r = run({"deal", "joker", "1000", "0"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "roll=38 cards=37 20 28 0 22\n");
    r = run({"draw", "jacks", "777", "50", "0", "1", "14", "27", "40", "5", "00000"});
    EXPECT_EQ(r.out, "roll=50 cards=20 36 12 45 4\n");
    r = run({"draw", "joker", "777", "50", "0", "1", "14", "27", "40", "5", "11001"});
    EXPECT_EQ(r.out, "roll=50 cards=1 14 20 36 5\n");
}

TEST(OddsCli, BadArgumentsGetOneLineAndStatus2) {
    const std::vector<std::vector<std::string>> bad = {
        {"classify", "poker", "drawn", "1", "2", "3", "4", "5"},
        {"classify", "joker", "drawn", "1", "2", "3", "4", "58"},
        {"classify", "joker", "drawn", "1", "2", "3", "4", "-1"},
        {"classify", "joker", "drawn", "1", "2", "3", "4", "4"},
        {"classify", "jacks", "drawn", "0", "2", "3", "4", "5"},
        {"classify", "joker", "drawn", "1", "2", "3", "4", "54"},
        {"classify", "joker", "later", "1", "2", "3", "4", "5"},
        {"classify", "joker", "drawn", "1", "2", "x", "4", "5"},
        {"deal", "joker", "1", "101"},
        {"deal", "joker", "1", "-101"},
        {"deal", "joker", "-5", "0"},
        {"deal", "joker", "1"},
        {"draw", "joker", "1", "101", "0", "1", "2", "3", "4", "5", "00000"},
        {"draw", "joker", "1", "5", "0", "1", "2", "3", "4", "5", "0011"},
        {"shuffle"},
        {},
    };
    for (const auto& args : bad) {
        const auto r = run(args);
        std::string joined;
        for (const auto& a : args) joined += a + ' ';
        SCOPED_TRACE(joined);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        if (!args.empty()) {
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
        }
    }
    EXPECT_NE(run({"deal", "joker", "1", "101"}).err.find("fortune 101 is outside -100..100"), std::string::npos);
    EXPECT_NE(run({"classify", "jacks", "drawn", "0", "2", "3", "4", "5"}).err.find("joker"), std::string::npos);
    EXPECT_NE(run({"classify", "joker", "drawn", "1", "2", "3", "4", "4"}).err.find("twice"), std::string::npos);
}

TEST(OddsCli, CensusPrintsClassesTotalsAndSeconds) {
    const auto r = run({"census", "jacks"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("jacks w+ 337920\n"), std::string::npos);
    EXPECT_NE(r.out.find("jacks w- 760320\n"), std::string::npos);
    EXPECT_NE(r.out.find("jacks total 2598960\n"), std::string::npos);
    EXPECT_EQ(r.out.rfind("seconds ", std::string::npos), r.out.rfind('\n', r.out.size() - 2) + 1);
    EXPECT_EQ(r.out.find("hint"), std::string::npos);  // only after the first deal

    const auto dealt = run({"census", "--dealt", "jacks"});
    EXPECT_NE(dealt.out.find("jacks total 2598960\njacks hint4 175692\njacks hint5 3408\n"), std::string::npos);
}

TEST(OddsCli, HelpAndVersionGoToStandardOutput) {
    auto r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "talvern-odds " TALVERN_VERSION "\n");
    EXPECT_TRUE(r.err.empty());

    r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("usage: talvern-odds census", 0), 0u);
    EXPECT_NE(r.out.find("talvern-odds --help | --version\n"), std::string::npos);
    EXPECT_NE(r.out.find("man 6 talvern-odds"), std::string::npos);
    EXPECT_TRUE(r.err.empty());

    // Nothing asked: the usage on the error stream, as for a mistake.
    const auto none = run({});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.out.empty());
    EXPECT_EQ(none.err, r.out);
}
