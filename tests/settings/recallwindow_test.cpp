// The "Последние игры" window offscreen: opened from the statistics page on
// the recall file the machine wrote, newest first, the chart of this run or
// of every run, what a screen reader reads, the keyboard, and files that are
// missing or damaged.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "controls.h"
#include "home.h"
#include "recallfile.h"
#include "recallplayer.h"
#include "recallwindow.h"
#include "settingsdialog.h"

namespace talvern::settings::test {
namespace {

struct Quiet : Pacer {
    void pause(int) override {}
    void hold(int) override {}
    void processEvents() override {}
};
struct Silence : SoundPort {
    void start(SoundId, bool) override {}
};
struct Noon : Clock {
    std::uint32_t millisecondsOfDayUtc() override { return 43200000; }
};
struct NoHost : SettingsHost {
    void startTimeLimit(int) override {}
    void stopTimeLimit() override {}
    void applyDisplayMode(bool) override {}
    void render() override {}
};

// Two runs of games, as the machine writes them, in a recall file.
std::vector<recall::GameRecord> writeGames(const QString& path, int earlier, int now) {
    store::RecallFile file(path);
    file.open();
    talvern::test::RecallPlayer a(3, 4), b(5, 5);
    const QDateTime day(QDate(2026, 12, 1), QTime(18, 0));
    a.play(earlier, Variant::JokerPoker, RiskChoice::RedBlack, day);
    b.play(now, Variant::JackOrBetter, RiskChoice::HigherLower, day.addDays(1));
    std::vector<recall::GameRecord> all = a.games;
    all.insert(all.end(), b.games.begin(), b.games.end());
    for (const auto& g : all) EXPECT_TRUE(file.append(g));
    return all;
}

TEST(RecallWindow, NewestFirstWithTheChartOfThisRunOrOfEveryRun) {
    const QString path = freshPaths().recallFile();
    const auto games = writeGames(path, 6, 5);
    RecallWindow w;
    w.load(path, 5);
    EXPECT_EQ(w.windowTitle(), "Последние игры");
    ASSERT_EQ(w.model()->rowCount(), 11);
    EXPECT_EQ(w.model()->game(0), games.back());
    EXPECT_EQ(w.model()->game(10), games.front());

    std::vector<int> thisRun;
    for (const auto& g : games)
        if (g.run == 5) thisRun.push_back(g.creditsAfter);
    EXPECT_EQ(w.Chart->points(), thisRun);
    EXPECT_EQ(w.ChartCaption->text(), "Кредиты после каждой игры этого запуска");
    w.EarlierRuns->setChecked(true);
    EXPECT_EQ(w.Chart->points().size(), 11u);
    EXPECT_EQ(w.Chart->points().back(), games.back().creditsAfter);
    EXPECT_EQ(w.ChartCaption->text(), "Кредиты после каждой игры, все запуски");
    EXPECT_EQ(w.Note->text(), "Каждую игру можно проверить: talvern-odds replay.");
}

TEST(RecallWindow, AScreenReaderHearsEveryGameAndTheChartInRussian) {
    const QString path = freshPaths().recallFile();
    writeGames(path, 0, 4);
    RecallWindow w;
    w.load(path, 5);
    EXPECT_EQ(w.Games->accessibleName(), "Сыгранные игры, последние сверху");
    EXPECT_EQ(w.Chart->accessibleName(), "График кредитов");
    EXPECT_TRUE(w.Chart->accessibleDescription().startsWith("Кредиты после 4 игр: от ")) << w.Chart->accessibleDescription().toStdString();
    const recall::GameRecord& g = w.model()->game(0);
    const QString spoken = w.model()->data(w.model()->index(0), Qt::AccessibleTextRole).toString();
    EXPECT_TRUE(spoken.contains("Jack or Better")) << spoken.toStdString();
    EXPECT_TRUE(spoken.contains("Раздано: " + cardWords(g.deal.cards[0]))) << spoken.toStdString();
    EXPECT_TRUE(spoken.contains(QStringLiteral("Кредиты: было %1, стало %2.").arg(g.creditsBefore).arg(g.creditsAfter)));
    EXPECT_EQ(cardWords(1), "туз червей");
    EXPECT_EQ(cardWords(27 + 11), "дама треф");
    EXPECT_EQ(cardWords(kJoker), "джокер");
    EXPECT_EQ(cardShort(13 * 3 + 10), QString("10♠"));
}

TEST(RecallWindow, TheKeyboardMovesThroughTheGamesAndEscapeCloses) {
    const QString path = freshPaths().recallFile();
    writeGames(path, 0, 3);
    RecallWindow w;
    w.load(path, 5);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    w.Games->setFocus();
    EXPECT_EQ(w.Games->currentIndex().row(), 0);
    QTest::keyClick(w.Games, Qt::Key_Down);
    EXPECT_EQ(w.Games->currentIndex().row(), 1);
    QTest::keyClick(w.Games, Qt::Key_End);
    EXPECT_EQ(w.Games->currentIndex().row(), 2);
    // Tab goes on to the close button, Escape closes.
    QTest::keyClick(w.Games, Qt::Key_Tab);
    EXPECT_EQ(w.focusWidget(), w.CloseButton);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

TEST(RecallWindow, AMissingOrDamagedFileIsSaidAndTheGamesThereAreShown) {
    const QString path = freshPaths().recallFile();
    RecallWindow w;
    w.load(path, 1);
    EXPECT_EQ(w.model()->rowCount(), 0);
    EXPECT_TRUE(w.Note->text().startsWith("Сыгранных игр пока нет.")) << w.Note->text().toStdString();
    EXPECT_TRUE(w.Chart->points().empty());

    writeGames(path, 0, 2);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("{\"v\":1, cut short by a kill");
    f.close();
    w.load(path, 5);
    EXPECT_EQ(w.model()->rowCount(), 2);
    EXPECT_TRUE(w.Note->text().contains("Пропущено повреждённых строк: 1.")) << w.Note->text().toStdString();
}

TEST(RecallWindow, OpensFromTheStatisticsPageOnThisRunsFile) {
    Quiet pacer;
    Silence sound;
    Noon clock;
    Machine m(pacer, sound, clock);
    const store::StorePaths paths = freshPaths();
    store::Memory memory(m, paths);
    memory.startOfRun({1024, 768, 24});
    memory.createTotals();
    memory.openLog();
    writeGames(paths.recallFile(), 2, 0);
    NoHost host;
    TForm2 form(m, memory, host, nullptr, [] { return false; });
    form.PageControl1->setCurrentIndex(3);
    EXPECT_EQ(form.RecallButton->text(), "Последние игры");
    EXPECT_TRUE(form.RecallButton->isVisibleTo(form.PageControl1->widget(3)));
    int rows = -1;
    QTimer::singleShot(0, [&] {
        rows = form.recallWindow()->model()->rowCount();
        form.recallWindow()->CloseButton->click();
    });
    form.RecallButton->click();
    EXPECT_EQ(rows, 2);
}

} // namespace
} // namespace talvern::settings::test
