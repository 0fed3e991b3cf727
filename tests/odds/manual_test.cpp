// The manual pages of talvern-odds, English and Russian: every command of
// the usage has an example, both languages show the same examples, and each
// example prints the lines the page shows ("..." stands for lines left out).
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include <cstdlib>
#include <unistd.h>
#include <filesystem>

#include "odds_cli.h"
#include "recallgames.h"

namespace {

struct Example {
    std::string command;  // without the program's name
    std::string input;    // what a printf before the pipe feeds it
    std::vector<std::string> shown;
    bool operator==(const Example&) const = default;
};

std::string readSource(const std::string& language) {
    std::ifstream in(std::string(TALVERN_MAN_DIR "/") + language + "/talvern-odds.6.scd");
    EXPECT_TRUE(in.good()) << language;
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string trimmed(const std::string& line) {
    const auto from = line.find_first_not_of(" \t");
    return from == std::string::npos ? "" : line.substr(from);
}

// The page's own escapes ("\\" for a backslash), then printf's "\n".
std::string printfText(std::string s) {
    std::string once;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\\') ++i;
        once += s[i];
    }
    std::string out;
    for (std::size_t i = 0; i < once.size(); ++i) {
        if (once[i] == '\\' && i + 1 < once.size() && once[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += once[i];
        }
    }
    return out;
}

// The "$ talvern-odds ..." lines of the page's literal blocks and the lines
// shown under each.
std::vector<Example> examples(const std::string& source) {
    std::vector<Example> found;
    std::istringstream lines(source);
    bool literal = false;
    for (std::string line; std::getline(lines, line);) {
        const std::string t = trimmed(line);
        if (t == "```") {
            literal = !literal;
            continue;
        }
        if (!literal) continue;
        if (t.rfind("$ ", 0) == 0) {
            Example e;
            std::string command = t.substr(2);
            if (command.rfind("printf '", 0) == 0) {
                const auto end = command.find("' | ");
                EXPECT_NE(end, std::string::npos) << t;
                if (end == std::string::npos) continue;
                e.input = printfText(command.substr(8, end - 8));
                command = command.substr(end + 4);
            }
            EXPECT_EQ(command.rfind("talvern-odds ", 0), 0u) << t;
            e.command = command.substr(command.find(' ') + 1);
            found.push_back(e);
        } else if (!found.empty()) {
            found.back().shown.push_back(t);
        }
    }
    EXPECT_FALSE(literal) << "a literal block is not closed";
    return found;
}

std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    for (std::string x; in >> x;) w.push_back(x);
    return w;
}

std::vector<std::string> linesOf(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> l;
    for (std::string x; std::getline(in, x);) l.push_back(x);
    return l;
}

// The commands the usage names ("talvern-odds census ...", not the options).
std::set<std::string> usageCommands() {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(talvern::odds::run({"--help"}, in, out, err), 0);
    std::set<std::string> commands;
    for (const std::string& line : linesOf(out.str())) {
        const auto w = words(line);
        for (std::size_t i = 0; i + 1 < w.size(); ++i)
            if (w[i] == "talvern-odds" && w[i + 1][0] != '-') commands.insert(w[i + 1]);
    }
    return commands;
}

// The player's recall file the replay example reads: two games of run 7.
struct PlayersRecall {
    std::filesystem::path home = std::filesystem::temp_directory_path() / ("talvern-manual-" + std::to_string(::getpid()));
    std::string saved;
    bool had = false;
    PlayersRecall() {
        const auto folder = home / "Ostrel" / "Talvern";
        std::filesystem::create_directories(folder);
        std::ofstream out(folder / "recall.jsonl");
        for (int i = 0; i < 2; ++i)
            out << talvern::recall::toJsonLine(talvern::test::recordedGame(
                       talvern::Variant::JokerPoker, 500u + static_cast<unsigned>(i),
                       "2026-12-08T19:0" + std::to_string(2 + i) + ":00", 7, 5))
                << '\n';
        if (const char* x = std::getenv("XDG_DATA_HOME")) {
            had = true;
            saved = x;
        }
        setenv("XDG_DATA_HOME", home.c_str(), 1);
    }
    ~PlayersRecall() {
        if (had) setenv("XDG_DATA_HOME", saved.c_str(), 1);
        else unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(home);
    }
};

} // namespace

TEST(OddsManual, EveryCommandHasAnExampleInBothLanguages) {
    const std::set<std::string> commands = usageCommands();
    ASSERT_EQ(commands.size(), 7u);
    const std::vector<Example> english = examples(readSource("en"));
    for (const std::string& command : commands) {
        bool shown = false;
        for (const Example& e : english) shown = shown || words(e.command).front() == command;
        EXPECT_TRUE(shown) << command;
        EXPECT_NE(readSource("en").find("*" + command + "*"), std::string::npos) << command;
        EXPECT_NE(readSource("ru").find("*" + command + "*"), std::string::npos) << command;
    }
    EXPECT_EQ(examples(readSource("ru")), english) << "the Russian page shows other examples";
}

TEST(OddsManual, ExamplesPrintWhatThePageShows) {
    const PlayersRecall recall;
    const std::vector<Example> all = examples(readSource("en"));
    ASSERT_FALSE(all.empty());
    for (const Example& e : all) {
        std::istringstream in(e.input);
        std::ostringstream out, err;
        EXPECT_EQ(talvern::odds::run(words(e.command), in, out, err), 0) << e.command << ": " << err.str();
        const std::vector<std::string> printed = linesOf(out.str());
        // Each shown line is printed, in the page's order.
        std::size_t at = 0;
        for (const std::string& line : e.shown) {
            if (line == "...") continue;
            while (at < printed.size() && printed[at] != line) ++at;
            EXPECT_LT(at, printed.size()) << e.command << " does not print, or not in this order:\n" << line;
            if (at < printed.size()) ++at;
        }
    }
}
