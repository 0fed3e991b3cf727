#pragma once
// The program's own command line: the help and the version. Every other word
// (Qt's own options such as -platform, whatever a desktop or a script passes)
// is left alone and the game starts as it always has.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

namespace talvern::commandline {

enum class Request { Play, Help, Version };

// What the arguments (the program's name first) ask for. The version wins
// over the help when both are given, as in Qt's own programs.
Request read(const QStringList& arguments);

// The text printed for Help or Version; the help speaks Russian where the
// locale does and English elsewhere. The help needs a QCoreApplication: its
// usage line names the program as it was started.
QString text(Request request, const QLocale& locale);

// Answers --help and --version on standard output before any window or
// display is touched, so they work on a terminal with no desktop. Returns the
// exit status then, nothing when the game is to start.
std::optional<int> answer(int argc, char** argv);

} // namespace talvern::commandline
