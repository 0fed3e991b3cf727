// The program's command line: --help and --version answer, every other word
// starts the game as if there were none, and the manual pages describe the
// options the program really has.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "commandline.h"

using namespace talvern::commandline;

namespace {

Request readWords(std::initializer_list<const char*> words) {
    QStringList arguments{QStringLiteral("/usr/games/talvern")};
    for (const char* w : words) arguments << QString::fromUtf8(w);
    return read(arguments);
}

QString manualSource(const char* language) {
    QFile f(QStringLiteral(TALVERN_MAN_DIR "/%1/talvern.6.scd").arg(QLatin1String(language)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(CommandLine, HelpAndVersionAreAnswered) {
    EXPECT_EQ(readWords({"--help"}), Request::Help);
    EXPECT_EQ(readWords({"-h"}), Request::Help);
    EXPECT_EQ(readWords({"-help"}), Request::Help);
    EXPECT_EQ(readWords({"--version"}), Request::Version);
    EXPECT_EQ(readWords({"-v"}), Request::Version);
    // Among other words, and the version before the help.
    EXPECT_EQ(readWords({"--no-such-option", "--help", "stray"}), Request::Help);
    EXPECT_EQ(readWords({"--help", "--version"}), Request::Version);
    EXPECT_EQ(readWords({"-h", "-v"}), Request::Version);
}

TEST(CommandLine, EveryOtherWordStartsTheGame) {
    EXPECT_EQ(readWords({}), Request::Play);
    EXPECT_EQ(readWords({"--fullscreen"}), Request::Play);
    EXPECT_EQ(readWords({"stray", "words", ""}), Request::Play);
    EXPECT_EQ(readWords({"-x", "--", "--help"}), Request::Play);  // after -- a word is no option
    // Qt's own options read as whole words: "-reverse" holds a v and
    // "-stylesheet" an h, yet neither is the version nor the help.
    EXPECT_EQ(readWords({"-reverse"}), Request::Play);
    EXPECT_EQ(readWords({"-stylesheet", "x.qss", "-platformtheme", "gtk3"}), Request::Play);
    EXPECT_EQ(readWords({"-platform", "offscreen", "-qwindowgeometry", "800x600+0+0"}), Request::Play);
    EXPECT_EQ(readWords({"-hv"}), Request::Play);
}

TEST(CommandLine, VersionNamesTheProgramAndTheRelease) {
    EXPECT_EQ(text(Request::Version, QLocale::c()), QStringLiteral("talvern " TALVERN_VERSION "\n"));
    EXPECT_EQ(text(Request::Version, QLocale(QLocale::Russian)), text(Request::Version, QLocale::c()));
    EXPECT_TRUE(text(Request::Play, QLocale::c()).isEmpty());
}

TEST(CommandLine, HelpSpeaksTheLanguageOfTheLocale) {
    const QString english = text(Request::Help, QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_TRUE(english.contains(QStringLiteral("-h, --help"))) << english.toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("-v, --version")));
    EXPECT_TRUE(english.contains(QStringLiteral("Print the version and exit.")));
    EXPECT_TRUE(english.contains(QStringLiteral("man 6 talvern")));

    const QString russian = text(Request::Help, QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_TRUE(russian.contains(QStringLiteral("-v, --version")));
    EXPECT_TRUE(russian.contains(QStringLiteral("Показать версию и выйти.")));
    EXPECT_FALSE(russian.contains(QStringLiteral("Print the version")));
    EXPECT_TRUE(russian.contains(QStringLiteral("man 6 talvern")));
}

TEST(CommandLine, ManualPagesDescribeEveryOption) {
    const QString help = text(Request::Help, QLocale::c());
    const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[a-z][a-z-]*)"));
    QStringList options;
    for (const auto& m : option.globalMatch(help)) options << m.captured(1);
    ASSERT_GE(options.size(), 4) << help.toStdString();
    for (const char* language : {"en", "ru"}) {
        const QString page = manualSource(language);
        for (const QString& o : options) {
            // The SYNOPSIS and the OPTIONS list both name it.
            EXPECT_GE(page.count(QStringLiteral("*%1*").arg(o)), 2) << language << ' ' << o.toStdString();
        }
    }
}
