#include <gtest/gtest.h>

#include <sstream>

#include "odds_cli.h"

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result run(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = talvern::odds::run(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream s(text);
    for (std::string line; std::getline(s, line);) out.push_back(line);
    return out;
}

std::string lineStarting(const std::string& text, const std::string& prefix) {
    for (const std::string& l : lines(text))
        if (l.rfind(prefix, 0) == 0) return l;
    return {};
}

} // namespace

TEST(OddsCommands, HoldListsAllHoldsBestFirst) {
    const auto r = run({"hold", "jacks", "1", "2", "3", "43", "39", "--pays", "800/50/25/8/5/4/3/2/1", "--charge", "once"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 33u);
    EXPECT_EQ(l[0], "hand jacks 1 2 3 43 39 pays 800/50/25/8/5/4/3/2/1 charge once");
    EXPECT_EQ(l[1],
              "11100 held=1,2,3 ev=0.484736355 (524/1081) net=0.484736355 (524/1081) "
              "r=0 q=1 k=0 h=0 f=44 s=11 t=9 d=27 w+=129 w-=267 x=593 draws=1081");
    const std::string none = lineStarting(r.out, "00000 held=- ");
    EXPECT_EQ(none.substr(none.size() - 14), " draws=1533939");
}

TEST(OddsCommands, HoldNetsOutTheSecondBetByDefault) {
    const auto r = run({"hold", "joker", "40", "49", "50", "51", "52"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto l = lines(r.out);
    EXPECT_EQ(l[0], "hand joker 40 49 50 51 52 pays 300/150/80/40/12/9/7/5/3 charge twice");
    EXPECT_EQ(l[1].rfind("11111 held=40,49,50,51,52 ev=150.000000000 (150/1) net=150.000000000 (150/1) p=0 r=1 ", 0), 0u);
    // Throwing the king of the royal: the joker makes it again (150), eight
    // spades a flush (9), three kings a straight (7), out of 48 draws; the
    // draw costs one bet.
    const std::string ace = lineStarting(r.out, "11110 ");
    EXPECT_NE(ace.find(" ev=5.062500000 (81/16) net=4.062500000 (65/16) p=0 r=1 q=0 k=0 h=0 f=8 s=3 t=0 d=0 w=12 x=24 draws=48"),
              std::string::npos)
        << ace;
}

TEST(OddsCommands, ReturnPrintsTheExactFigures) {
    const auto r = run({"return", "jacks", "--charge", "once", "--pays", "800/50/25/9/6/4/3/2/1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lineStarting(r.out, "variant"), "variant jacks pays 800/50/25/9/6/4/3/2/1 charge once");
    EXPECT_EQ(lineStarting(r.out, "games"), "games 2598960 suit-classes 134459");
    EXPECT_EQ(lineStarting(r.out, "return").substr(0, 21), "return 0.995439043695");
    EXPECT_EQ(lineStarting(r.out, "charge-per-game"), "charge-per-game 1.000000000 (1/1)");
    for (const char* key : {"pay-per-game ", "hit ", "class r ", "class w+ ", "class x ", "hold-all ", "seconds "})
        EXPECT_FALSE(lineStarting(r.out, key).empty()) << key;
}

TEST(OddsCommands, BadOddsArgumentsGetOneLineAndStatus2) {
    const std::vector<std::vector<std::string>> bad = {
        {"hold", "jacks", "1", "2", "3", "4"},
        {"hold", "jacks", "0", "2", "3", "4", "5"},
        {"hold", "jacks", "1", "2", "3", "4", "4"},
        {"hold", "poker", "1", "2", "3", "4", "5"},
        {"hold", "jacks", "1", "2", "3", "4", "5", "--charge"},
        {"hold", "jacks", "1", "2", "3", "4", "5", "--charge", "thrice"},
        {"hold", "jacks", "1", "2", "3", "4", "5", "6"},
        {"return"},
        {"return", "jacks", "--pays", "800/50/25/9/6/4/3/2"},
        {"return", "jacks", "--pays", "800/50/25/9/6/4/3/2/1/0/0"},
        {"return", "jacks", "--pays", "800/50/25/9/6/4/3/2/-1"},
        {"return", "jacks", "--pays", "800/50/25/9/6/4/3/2/x"},
        {"return", "jacks", "--pays", "800//25/9/6/4/3/2/1"},
        {"return", "jacks", "--pays", "2000000/50/25/9/6/4/3/2/1"},
        {"return", "jacks", "--fast"},
    };
    for (const auto& args : bad) {
        const auto r = run(args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(r.status, 2) << joined;
        EXPECT_TRUE(r.out.empty()) << joined;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << joined << r.err;
        EXPECT_EQ(r.err.rfind("talvern-odds: ", 0), 0u) << joined;
    }
}

TEST(OddsCommands, HelpNamesTheNewCommands) {
    const auto r = run({"--help"});
    EXPECT_NE(r.out.find("talvern-odds hold VARIANT"), std::string::npos);
    EXPECT_NE(r.out.find("talvern-odds return VARIANT"), std::string::npos);
}
