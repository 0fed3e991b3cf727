#include "replay_cmd.h"

#include <cstdlib>
#include <fstream>
#include <ostream>

#include "recall.h"

namespace talvern::odds {

std::string defaultRecallFile() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) base = std::string(home) + "/.local/share";
    else base = ".";
    return base + "/Ostrel/Talvern/recall.jsonl";
}

int replayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 2) {
        err << "talvern-odds: replay takes at most one file\n";
        return 2;
    }
    const std::string path = args.size() == 2 ? args[1] : defaultRecallFile();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err << "talvern-odds: cannot read " << path << '\n';
        return 2;
    }
    long games = 0, differ = 0, damaged = 0;
    std::string line;
    for (long lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const auto game = recall::fromJsonLine(line);
        if (!game) {
            // A line cut short by a killed run, or not ours: not a game.
            out << "line " << lineNo << ": not a game record, skipped\n";
            ++damaged;
            continue;
        }
        ++games;
        const recall::Replay r = recall::replay(*game);
        out << "line " << lineNo << ' ' << game->time << " run " << game->run << ' ' << recall::variantName(game->variant)
            << " bet " << game->bet << ": " << (r.ok() ? "ok" : r.text) << '\n';
        if (!r.ok()) ++differ;
    }
    if (in.bad()) {
        err << "talvern-odds: reading " << path << " failed\n";
        return 2;
    }
    out << "replayed " << games << " games, " << differ << " differ";
    if (damaged) out << ", " << damaged << " damaged lines skipped";
    out << '\n';
    return differ ? 1 : 0;
}

} // namespace talvern::odds
