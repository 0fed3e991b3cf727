#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace talvern::odds {

// Runs one talvern-odds command (args without the program name). Returns the
// exit status: 0 done, 2 bad arguments (one line on err naming the problem).
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace talvern::odds
