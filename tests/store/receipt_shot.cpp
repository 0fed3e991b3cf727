// Renders the receipt as the player sees it at the end of a run, for the docs
// and for looking at: store_receipt_shot OUT.png [RUN LOADED TAKEN CREDITS]
#include <QApplication>
#include <QPixmap>

#include "totalswindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) return 2;
    auto arg = [&](int i, int fallback) { return args.size() > i ? args[i].toInt() : fallback; };
    const int loaded = arg(3, 300), taken = arg(4, 420), credits = arg(5, 420);
    talvern::store::TotalsFigures figures{arg(2, 17), loaded, taken, credits > loaded ? credits - loaded : 0,
                                          credits > loaded ? 0 : loaded - credits};
    talvern::store::TForm4 w(figures);
    w.show();
    return w.grab().save(args[1]) ? 0 : 1;
}
