// Pictures of the settings dialog's six pages and of the about card, as the
// player sees them after a while of play, for the docs:
//   settings_shots OUT_FOLDER
// It runs the real cabinet in a home of its own, with the sample deck in the
// data folder and some statistics in the store, and opens the dialog with the
// cabinet's settings button.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "aboutwindow.h"
#include "infopage.h"
#include "settingsdialog.h"
#include "talvern.h"

using namespace talvern;

namespace {

// Lets the widgets, and the web engine's own process, draw what they show.
void settle(int ms = 300) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_FOLDER\n", argv[0]);
        return 2;
    }
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    settings::prepareWebEngine();
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    const store::StorePaths paths = store::StorePaths::standard();
    QDir().mkpath(paths.dataFolder);
    QFile::copy(QStringLiteral(SAMPLE_DECK), paths.dataFolder + "/deckset5.so");
    {
        store::SettingsStore st(paths.settingsFile);
        const std::pair<store::Value, int> values[] = {
            {store::stat::stp, 1},       {store::stat::str, 2},      {store::stat::stq, 3},
            {store::stat::stk, 41},      {store::stat::sth, 118},    {store::stat::stf, 131},
            {store::stat::sts, 149},     {store::stat::stt, 802},    {store::stat::std_, 1187},
            {store::stat::stdeal, 9402}, {store::stat::stcst, 5400}, {store::stat::stcto, 6120},
            {store::stat::strba, 214},   {store::stat::strbv, 97},   {store::stat::stbsa, 120},
            {store::stat::stbsv, 61},    {store::vol::riskGame, 1},  {store::vol::back, 2},
        };
        for (const auto& [v, n] : values) st.write(v, n);
    }

    TTalvern window;
    window.show();
    Machine& m = window.controller().machine;
    // This run so far.
    m.stats.stk += 1;
    m.stats.stt += 9;
    m.stats.std_ += 14;
    m.stats.stdeal += 96;
    m.stats.redBlackAttempts = 11;
    m.stats.redBlackWins = 6;
    m.state.creditsLoaded = 300;
    m.setCredits(412);

    settings::TForm2* dialog = window.settingsDialog();
    QSignalSpy loaded(dialog->infoPage(), &settings::InfoPage::pageLoaded);
    window.controller().click(Ctl::btnoptions);
    settle();

    const char* names[] = {"main", "view", "advanced", "statistics", "cards", "info"};
    for (int i = 0; i < 6; ++i) {
        dialog->PageControl1->setCurrentIndex(i);
        if (i == 2) {
            // a fortune setting moved, as a player trying it out would
            dialog->RxSlider[1]->setValue(40);
            dialog->RxSlider[3]->setValue(-15);
        }
        // the information page loads its web view when first shown
        if (i == 5 && loaded.isEmpty()) loaded.wait(20000);
        settle(i == 5 ? 1500 : 300);
        const QString file = out + QStringLiteral("/settings-%1.png").arg(QLatin1String(names[i]));
        if (!dialog->grab().save(file)) return 1;
        std::printf("%s\n", qPrintable(file));
    }
    dialog->RxSlider[1]->setValue(0);
    dialog->RxSlider[3]->setValue(0);

    about::Tabout* about = window.aboutWindow();
    about->show();
    settle();
    const QString file = out + QStringLiteral("/about.png");
    if (!about->grab().save(file)) return 1;
    std::printf("%s\n", qPrintable(file));
    about->hide();
    return 0;
}
