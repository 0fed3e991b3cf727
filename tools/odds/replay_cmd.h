#pragma once
// talvern-odds replay [FILE]: every game of a recall file dealt, drawn and
// turned again from its seeds with the machine's own code.
#include <iosfwd>
#include <string>
#include <vector>

namespace talvern::odds {

// The player's recall file: $XDG_DATA_HOME (or ~/.local/share) /Ostrel/Talvern/recall.jsonl.
std::string defaultRecallFile();

// args: "replay" and at most one file. Exit status: 0 every game replays,
// 1 some game differs, 2 bad arguments or a file that cannot be read.
int replayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace talvern::odds
