// The recall's lines and the replay command, without the machine: what a
// line must hold to be a record, and what `talvern-odds replay` prints for
// games that replay, games that do not, and lines that are no games.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "odds_cli.h"
#include "recall.h"
#include "recallgames.h"
#include "replay_cmd.h"

using namespace talvern;

namespace {

recall::GameRecord dealtGame(std::uint32_t seed) {
    recall::GameRecord g = test::recordedGame(Variant::JackOrBetter, seed);
    g.win = 0;  // what the game paid is not what the replay checks
    g.creditsAfter = 90;
    return g;
}

struct Replayed {
    int status;
    std::string out, err;
};
Replayed replayFile(const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() / ("talvern-recall-" + std::to_string(::getpid()) + ".jsonl");
    std::ofstream(path, std::ios::binary) << text;
    std::istringstream in;
    std::ostringstream out, err;
    const int status = odds::run({"replay", path.string()}, in, out, err);
    std::filesystem::remove(path);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(RecallLine, AGameReadsBackAsItWasWrittenAndAnythingElseIsNoGame) {
    recall::GameRecord g = dealtGame(4711);
    recall::Step s;
    s.kind = recall::Step::Kind::Colour;
    s.seed = 99;
    s.guess = riskdraw::Guess::Black;
    s.roll = 40;
    s.black = true;
    s.slot = 1;
    s.card = 30;
    s.right = true;
    s.win = 20;
    g.steps.push_back(s);
    g.riskGame = recall::RiskGame::RedBlack;
    const std::string line = recall::toJsonLine(g);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const auto back = recall::fromJsonLine(line);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, g);

    for (const std::string& bad : {std::string(), std::string("{"), std::string("[1,2]"), line.substr(0, line.size() / 2),
                                  std::string("{\"v\":2}")}) {
        EXPECT_FALSE(recall::fromJsonLine(bad).has_value()) << bad;
    }
    // A field of the wrong kind or out of its range makes the line no game.
    auto spoiled = [&](const std::string& from, const std::string& to) {
        std::string s2 = line;
        const auto at = s2.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        s2.replace(at, from.size(), to);
        return recall::fromJsonLine(s2).has_value();
    };
    EXPECT_FALSE(spoiled("\"variant\":\"jacks\"", "\"variant\":\"blackjack\""));
    EXPECT_FALSE(spoiled("\"bet\":5", "\"bet\":\"5\""));
    EXPECT_FALSE(spoiled("\"held\":\"11000\"", "\"held\":\"1100\""));
    EXPECT_FALSE(spoiled("\"seed\":4711", "\"seed\":-1"));
    EXPECT_FALSE(spoiled("\"guess\":\"black\"", "\"guess\":\"green\""));
    EXPECT_FALSE(spoiled("\"k\":\"colour\"", "\"k\":\"dance\""));
}

TEST(RecallReplay, EveryGameIsOkOrNamesItsFirstDifferenceAndTheStatusSaysWhich) {
    const recall::GameRecord a = dealtGame(1000), b = dealtGame(2000);
    const std::string good = recall::toJsonLine(a) + "\n" + recall::toJsonLine(b) + "\n";
    Replayed r = replayFile(good);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "line 1 2026-12-08T10:00:00 run 2 jacks bet 5: ok\n"
                     "line 2 2026-12-08T10:00:00 run 2 jacks bet 5: ok\n"
                     "replayed 2 games, 0 differ\n");

    recall::GameRecord c = b;
    c.draw->cards[4] = c.draw->cards[4] % 52 + 1;
    r = replayFile(good + "cut short {\"v\":1\n" + recall::toJsonLine(c) + "\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("line 3: not a game record, skipped\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("line 4 2026-12-08T10:00:00 run 2 jacks bet 5: draw: seed 3000 draws "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("replayed 3 games, 1 differ, 1 damaged lines skipped\n"), std::string::npos) << r.out;

    r = replayFile("");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "replayed 0 games, 0 differ\n");
}

TEST(RecallReplay, AMissingFileOrTooManyArgumentsIsAUsageError) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(odds::run({"replay", "/nonexistent/recall.jsonl"}, in, out, err), 2);
    EXPECT_NE(err.str().find("cannot read /nonexistent/recall.jsonl"), std::string::npos);
    EXPECT_EQ(odds::run({"replay", "a", "b"}, in, out, err), 2);
    // The player's own file by default.
    setenv("XDG_DATA_HOME", "/tmp/talvern-xdg", 1);
    EXPECT_EQ(odds::defaultRecallFile(), "/tmp/talvern-xdg/Ostrel/Talvern/recall.jsonl");
    unsetenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string saved = home ? home : "";
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ(odds::defaultRecallFile(), "/home/player/.local/share/Ostrel/Talvern/recall.jsonl");
    if (home) setenv("HOME", saved.c_str(), 1);
    else unsetenv("HOME");
}
