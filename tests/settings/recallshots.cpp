// The "Последние игры" window for the docs and its opening time:
//   recall_shots OUT.png [GAMES]
// plays GAMES games (1000 by default) through the machine's flows over two
// runs into a recall file, opens the window on it as the settings dialog
// does, prints how long that took beside the 100 ms it may take, and saves
// the window (at the screen's scale: QT_SCALE_FACTOR=2 gives the 2x picture).
// With OUT-all.png beside it, the chart of every run.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "recallplayer.h"
#include "recallwindow.h"

using namespace talvern;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [GAMES]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int games = argc > 2 ? std::atoi(argv[2]) : 1000;
    QTemporaryDir dir;
    const QString path = dir.path() + "/recall.jsonl";

    {
        store::RecallFile file(path);
        file.open();
        const QDateTime day(QDate(2026, 12, 7), QTime(19, 0));
        test::RecallPlayer earlier(7, 6);
        earlier.play(games - 24, Variant::JokerPoker, RiskChoice::Random, day);
        test::RecallPlayer now(11, 7);
        now.play(8, Variant::DeucesWild, RiskChoice::RussianRoulette, day.addDays(1));
        now.play(8, Variant::JackOrBetter, RiskChoice::HigherLower, day.addDays(1).addSecs(600));
        now.play(8, Variant::JokerPoker, RiskChoice::RedBlack, day.addDays(1).addSecs(1200));
        for (const auto* p : {&earlier, &now})
            for (const auto& g : p->games)
                if (!file.append(g)) return 1;
    }

    // TALVERN_RECALL_KEEP=FILE keeps the games, e.g. to open them in the real program.
    if (const QString keep = qEnvironmentVariable("TALVERN_RECALL_KEEP"); !keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(path, keep);
    }

    settings::RecallWindow window;
    QElapsedTimer took;
    took.start();
    window.load(path, 7);
    const qint64 read = took.elapsed();
    window.show();
    window.repaint();
    const qint64 ms = took.elapsed();
    std::printf("recall window: %d games read in %lld ms, opened and drawn in %lld ms (reference: 100 ms)\n",
                window.model()->rowCount(), static_cast<long long>(read), static_cast<long long>(ms));

    auto save = [&](const QString& to) {
        QEventLoop loop;
        QTimer::singleShot(200, &loop, &QEventLoop::quit);
        loop.exec();
        return window.grab().save(to);
    };
    window.Games->setFocus();
    // The newest game with a risk game played at the top of the picture.
    for (int row = 0; row < window.model()->rowCount(); ++row) {
        if (window.model()->game(row).steps.size() >= 2) {
            const QModelIndex at = window.model()->index(row);
            window.Games->setCurrentIndex(at);
            window.Games->scrollTo(at, QAbstractItemView::PositionAtTop);
            break;
        }
    }
    if (!save(out)) return 1;
    window.EarlierRuns->setChecked(true);
    QString all = out;
    all.replace(QStringLiteral(".png"), QStringLiteral("-all.png"));
    if (!save(all)) return 1;
    return ms < 0 ? 1 : 0;
}
