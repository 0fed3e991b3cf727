#include "trace.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStringList>
#include <QTimer>
#include <QWindow>

#include "controller.h"
#include "ledger.h"
#include "settingsflow.h"

namespace talvern {

namespace {

// Often enough that a test never waits long for a change, seldom enough to
// cost nothing beside the cabinet's own painting.
constexpr int kSampleMs = 40;

QString bit(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }
QString usable(const Control& c) { return bit(c.visible && c.enabled); }
QString clean(QString s) {
    s.replace(u'\t', u' ');
    s.replace(u'\n', u' ');
    s.replace(u'\r', u' ');
    return s;
}
QString shown(const TextControl& c) { return c.visible ? clean(c.text) : QString(); }

class Fields {
public:
    void add(const char* name, const QString& value) {
        list_ << QString::fromLatin1(name) + u'=' + value;
    }
    void add(const char* name, int value) { add(name, QString::number(value)); }
    QString joined() const { return list_.join(u'\t'); }

private:
    QStringList list_;
};

} // namespace

std::unique_ptr<Trace> Trace::fromEnvironment(TracedWindow& window) {
    const QString path = qEnvironmentVariable("TALVERN_TRACE");
    if (path.isEmpty()) return nullptr;
    return std::unique_ptr<Trace>(new Trace(window, path));
}

Trace::Trace(TracedWindow& window, const QString& path) : window_(window), file_(path) {
    start_ = QDateTime::currentMSecsSinceEpoch();
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
    qApp->installEventFilter(this);
    timer_ = new QTimer(this);
    timer_->setInterval(kSampleMs);
    connect(timer_, &QTimer::timeout, this, [this] { sample(); });
    timer_->start();
}

Trace::~Trace() {
    if (!file_.isOpen()) return;
    qApp->removeEventFilter(this);
    write(QStringLiteral("end"), figures(window_));
}

QString Trace::figures(TracedWindow& w) {
    Controller& c = w.controller();
    const Cabinet& cab = c.machine.cabinet;
    Fields f;
    f.add("busy", c.depth());
    f.add("wait", bit(w.pacerWaiting()));
    QWidget* modal = QApplication::activeModalWidget();
    f.add("modal", modal ? modal->objectName() : QStringLiteral("-"));
    auto* box = qobject_cast<QMessageBox*>(modal);
    f.add("box", box ? clean(box->text()) : QString());

    f.add("intro", bit(cab.Panel2.visible));
    f.add("credits", cab.RxLabel7.text);
    f.add("bet", cab.RxLabel8.text);
    f.add("bonus", cab.RxLabel5.text);
    f.add("jackpot", cab.RxLabel6.text);
    f.add("win", cab.RxLabel23.text);
    f.add("maxwin", shown(cab.RxLabel25));
    f.add("rwin", cab.RusRul.visible ? cab.RxLabel27.text : QString());
    f.add("msg", shown(cab.message1));
    f.add("combo", shown(cab.RxLabel24));
    int marked = 0;
    for (int i = 0; i < 10; ++i)
        if (cab.payValue[static_cast<std::size_t>(i)].marked) marked = i + 1;
    f.add("marked", marked);
    f.add("l1", clean(cab.payCaption[0].text));
    f.add("lv1", cab.payValue[0].text);
    f.add("line10", bit(cab.payCaption[9].visible));

    QStringList cards, holds, places;
    for (std::size_t i = 0; i < 5; ++i) {
        cards << cab.Im[i].picture;
        holds << bit(cab.lb[i].visible);
        places << bit(cab.Im[i].enabled && cab.Im[i].cursor == CardCursor::Hand);
    }
    f.add("cards", cards.join(u','));
    f.add("holds", holds.join(QString()));
    f.add("picks", places.join(QString()));
    // The expert, when turned on: the cards its hint keeps (five 0/1, "-"
    // for none), its words, a risk game's odds, and the card codes on the
    // table for the test to ask talvern-odds about.
    const ExpertView expert = c.expert.view();
    QString advice = QStringLiteral("-");
    if (expert.advice) {
        advice.clear();
        for (bool keep : expert.keep) advice += bit(keep);
    }
    f.add("advice", advice);
    f.add("hint", clean(expert.hint));
    f.add("odds", clean(expert.odds));
    QStringList codes;
    for (const CardPlace& place : cab.Im) codes << QString::number(place.card);
    f.add("hand", codes.join(u','));
    f.add("deal", bit(cab.Deal.visible && cab.Deal.enabled && !cab.dealx.visible));
    f.add("cover", bit(cab.dealx.visible));
    f.add("load", usable(cab.btnpay));
    f.add("rdbl", bit(cab.RdBl.visible));
    f.add("rusrul", bit(cab.RusRul.visible));
    f.add("panel3", bit(cab.Panel3.visible));
    f.add("panel4", bit(cab.Panel4.visible));
    // The ladder's own animation runs by itself at the top: its frames are
    // not a change the player made.
    f.add("ladder", !cab.Duble.visible ? QStringLiteral("-")
                    : cab.Duble.playing ? QStringLiteral("run")
                                        : QString::number(cab.Duble.frame));
    // Panel3: take half, red, random, black, take; Panel4: take half, yes, take.
    f.add("rb", usable(cab.Btn12) + usable(cab.BtnRed) + usable(cab.BtnNo) + usable(cab.BtnBlack) +
                    usable(cab.BtnCash));
    f.add("p4", usable(cab.BtnHalf1) + usable(cab.BtnYes1) + usable(cab.BtnCash1));
    QStringList history;
    for (int k = 1; k <= 7; ++k) history << (cab.crd(k).visible ? cab.crd(k).picture : QStringLiteral("-"));
    f.add("hist", history.join(u','));
    f.add("pulls", cab.pist.frame);
    f.add("red", bit(cab.redBackground));

    const bool jpShown = w.jackPotShown();
    f.add("jp", bit(jpShown));
    if (jpShown) {
        JackPotFlow& flow = c.jackPot;
        const JackPotView& v = flow.view;
        f.add("jpamount", v.amount);
        f.add("jppaid", v.winVisible ? v.paid : QString());
        f.add("jpfind", bit(v.findJokerVisible));
        f.add("jpsure", bit(v.sure[0]) + bit(v.sure[1]) + bit(v.sure[2]));
        f.add("jpyes", v.yesVisible ? (v.yesEnabled ? 2 : 1) : 0);
        f.add("jpcards", QStringList(v.cards.begin(), v.cards.end()).join(u','));
        f.add("jpcount", bit(v.countUpTimer));
        f.add("jpshuffle", bit(v.shuffleTimer));
        f.add("jppaying", bit(flow.paying()));
        f.add("jphits", flow.hits());
        f.add("jpkey", bit(v.pressAnyKeyVisible));
        f.add("jpyellow", bit(v.yellow));
    }

    if (settings::SettingsFlow* d = w.settingsFlow()) {
        const settings::SettingsModel& m = d->model();
        f.add("dlg", bit(w.settingsShown()));
        f.add("variant", static_cast<int>(d->options().variant));
        f.add("risk", m.risk ? static_cast<int>(*m.risk) : -1);
        QStringList fortune;
        for (const settings::FortuneColumn& col : m.fortune) fortune << col.percent;
        f.add("fortune", fortune.join(u','));
        f.add("stats", clean(m.RxLabel7));
        f.add("back", m.back);
        f.add("offer", bit(d->exitChoices().offerAnotherGame));
        const Options& o = d->options();
        f.add("expert", bit(o.hint) + bit(o.trainer) + bit(o.keyboardPlay));
        const settings::StatisticsFigures& s = m.figures;
        f.add("rbrun", QStringLiteral("%1/%2").arg(s.redBlackThisRun[0]).arg(s.redBlackThisRun[1]));
        f.add("hlrun", QStringLiteral("%1/%2").arg(s.higherLowerThisRun[0]).arg(s.higherLowerThisRun[1]));
        f.add("deals", s.combinationsAll[9]);
        f.add("trainer", QStringLiteral("%1/%2/%3")
                             .arg(s.trainerThisRun[0])
                             .arg(s.trainerThisRun[1])
                             .arg(s.trainerThisRun[2]));
    }
    const store::TotalsFigures& t = w.receiptFigures();
    f.add("receipt", QStringLiteral("%1,%2,%3,%4,%5").arg(t.runNumber).arg(t.loaded).arg(t.taken).arg(t.won).arg(t.lost));
    return f.joined();
}

void Trace::sample() {
    const QString now = figures(window_);
    if (now == last_) return;
    last_ = now;
    write(QStringLiteral("state"), now);
}

void Trace::write(const QString& kind, const QString& fields) {
    const QString line = QStringLiteral("seq=%1\tt=%2\tkind=%3\t%4\n")
                             .arg(++seq_)
                             .arg(QDateTime::currentMSecsSinceEpoch() - start_)
                             .arg(kind, fields);
    file_.write(line.toUtf8());
}

bool Trace::eventFilter(QObject* watched, QEvent* e) {
    // Each press and key reaches the program's window first, then its widgets:
    // the window's copy is the one noted.
    auto* win = qobject_cast<QWindow*>(watched);
    if (!win) return false;
    if (e->type() == QEvent::MouseButtonPress) {
        const QPointF p = static_cast<QMouseEvent*>(e)->position();
        write(QStringLiteral("input"), QStringLiteral("ev=press\twin=%1\tx=%2\ty=%3")
                                           .arg(win->objectName())
                                           .arg(qRound(p.x()))
                                           .arg(qRound(p.y())));
    } else if (e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        write(QStringLiteral("input"), QStringLiteral("ev=key\twin=%1\tkey=%2")
                                           .arg(win->objectName(), QString::number(k->key(), 16)));
    }
    return false;
}

} // namespace talvern
