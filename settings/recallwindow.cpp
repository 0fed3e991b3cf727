#include "recallwindow.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>

#include <algorithm>

#include "cardart.h"
#include "paytable.h"
#include "recallfile.h"

namespace talvern::settings {

using recall::GameRecord;
using recall::Step;

namespace {

constexpr int kRowHeight = 146;
constexpr QSize kSmallCard{46, 62};
constexpr int kCardGap = 9;
const QColor kFelt(18, 58, 36);
const QColor kGold(255, 212, 84);
const QColor kInk(236, 236, 220);
const QColor kMuted(170, 190, 170);

const char* const kRankWords[] = {"туз", "двойка", "тройка", "четвёрка", "пятёрка", "шестёрка", "семёрка",
                                  "восьмёрка", "девятка", "десятка", "валет", "дама", "король"};
const char* const kSuitWords[] = {"червей", "бубен", "треф", "пик"};
const char* const kRankShort[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char16_t kSuitSigns[] = {u'♥', u'♦', u'♣', u'♠'};

QString variantTitle(Variant v) {
    switch (v) {
    case Variant::JackOrBetter: return QStringLiteral("Jack or Better");
    case Variant::DeucesWild: return QStringLiteral("Deuces Wild");
    default: return QStringLiteral("Joker Poker");
    }
}

QString riskTitle(recall::RiskGame g) {
    switch (g) {
    case recall::RiskGame::RedBlack: return QStringLiteral("Красное - Черное");
    case recall::RiskGame::HigherLower: return QStringLiteral("Больше - Меньше");
    case recall::RiskGame::Roulette: return QStringLiteral("Русская Рулетка");
    default: return {};
    }
}

QString cards(const Hand& h) {
    QStringList out;
    for (Card c : h) out << cardShort(c);
    return out.join(u' ');
}

QString stepText(const Step& s) {
    switch (s.kind) {
    case Step::Kind::Credit: return QStringLiteral("зачислено %1").arg(s.amount);
    case Step::Kind::Bonus:
        return s.right ? QStringLiteral("бонус %1 в игре").arg(s.win) : QStringLiteral("в бонус (%1)").arg(s.amount);
    case Step::Kind::Colour: {
        const QString colour = s.black ? QStringLiteral("черное") : QStringLiteral("красное");
        const QString chosen = s.guess == riskdraw::Guess::Random ? QStringLiteral("наугад %1").arg(colour) : colour;
        return QStringLiteral("%1: %2 %3 (%4)")
            .arg(chosen, cardShort(s.card), s.right ? QStringLiteral("угадано") : QStringLiteral("не угадано"))
            .arg(s.win);
    }
    case Step::Kind::NextCard: return QStringLiteral("следующая была бы %1").arg(cardShort(s.card));
    case Step::Kind::Deal: return QStringLiteral("у сдающего %1").arg(cardShort(s.card));
    case Step::Kind::Pick: {
        const QString how = s.outcome == 2 ? QStringLiteral("больше") : s.outcome == 1 ? QStringLiteral("меньше")
                                                                                          : QStringLiteral("равна");
        return QStringLiteral("карта %1: %2 %3 (%4)").arg(s.place).arg(cardShort(s.card), how).arg(s.win);
    }
    case Step::Kind::Reveal: return QStringLiteral("открыты остальные");
    case Step::Kind::Pull:
        return s.right ? QStringLiteral("осечка (%1)").arg(s.win) : QStringLiteral("выстрел");
    case Step::Kind::Top: return QStringLiteral("вершина: %1").arg(s.win);
    case Step::Kind::Take: return QStringLiteral("забрано %1").arg(s.amount);
    case Step::Kind::Half: return QStringLiteral("забрана половина %1").arg(s.amount);
    case Step::Kind::TestHand: return QStringLiteral("тестовая рука %1").arg(cards(s.cards));
    case Step::Kind::JackPot: return QStringLiteral("Джек Пот %1").arg(s.amount);
    case Step::Kind::JackPotGuess:
        return QStringLiteral("карта %1: %2").arg(s.place).arg(s.right ? QStringLiteral("джокер") : QStringLiteral("мимо"));
    case Step::Kind::JackPotClose: return QStringLiteral("выплачено %1").arg(s.amount);
    }
    return {};
}

// ---- the list's rows ----------------------------------------------------------

class GameDelegate : public QStyledItemDelegate {
public:
    GameDelegate(const RecallWindow::Pictures& pictures, QObject* parent)
        : QStyledItemDelegate(parent), pictures_(pictures) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {700, kRowHeight}; }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const auto* model = static_cast<const RecallModel*>(index.model());
        const GameRecord& g = model->game(index.row());
        const QRect r = option.rect;
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->fillRect(r, index.row() % 2 ? kFelt : kFelt.darker(112));
        if (option.state & QStyle::State_Selected) {
            p->setPen(QPen(kGold, 2));
            p->drawRect(r.adjusted(1, 1, -2, -2));
        }
        const qreal dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;

        QFont bold = option.font;
        bold.setBold(true);
        bold.setPixelSize(13);
        QFont small = option.font;
        small.setPixelSize(10);
        QFont text = option.font;
        text.setPixelSize(12);

        p->setFont(bold);
        p->setPen(kGold);
        p->drawText(QRect(r.left() + 10, r.top() + 4, r.width() - 20, 18), Qt::AlignLeft | Qt::AlignVCenter,
                    gameHeading(g));

        const int top = r.top() + 26;
        auto drawHand = [&](const Hand& h, int x, const std::array<bool, 5>* held) {
            for (int i = 0; i < 5; ++i) {
                const QRect at(x + i * (kSmallCard.width() + kCardGap), top, kSmallCard.width(), kSmallCard.height());
                const QPixmap pm = smallCard(h[static_cast<std::size_t>(i)], dpr);
                if (!pm.isNull()) p->drawPixmap(at, pm);
                else p->fillRect(at, Qt::white);
                if (held && (*held)[static_cast<std::size_t>(i)]) {
                    p->setFont(small);
                    p->setPen(kGold);
                    p->drawText(QRect(at.left() - kCardGap / 2, at.bottom() + 2, at.width() + kCardGap, 14),
                                Qt::AlignCenter, QStringLiteral("оставить"));
                }
            }
        };
        const int dealtX = r.left() + 10;
        const int finalX = dealtX + 5 * (kSmallCard.width() + kCardGap) + 24;
        drawHand(g.deal.cards, dealtX, g.draw ? &g.draw->held : nullptr);
        p->setFont(bold);
        p->setPen(kInk);
        p->drawText(QRect(finalX - 28, top, 28, kSmallCard.height()), Qt::AlignCenter, QStringLiteral("→"));
        if (g.draw) {
            drawHand(g.draw->cards, finalX, nullptr);
        } else {
            p->setFont(text);
            p->setPen(kMuted);
            p->drawText(QRect(finalX, top, 250, kSmallCard.height()), Qt::AlignVCenter | Qt::TextWordWrap,
                        QStringLiteral("игра оставлена после раздачи"));
        }

        const int rightX = finalX + 5 * (kSmallCard.width() + kCardGap) + 6;
        const int rightW = r.right() - rightX - 6;
        auto line = [&](int y, const QString& t) {
            p->drawText(QRect(rightX, top + y, rightW, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        p->fontMetrics().elidedText(t, Qt::ElideRight, rightW));
        };
        p->setFont(bold);
        p->setPen(g.win > 0 ? kGold : kInk);
        const QString result = gameResult(g);
        const qsizetype comma = result.lastIndexOf(QStringLiteral(", "));
        line(-2, comma > 0 ? result.left(comma) : result);
        p->setFont(text);
        p->setPen(kInk);
        int y = 16;
        if (comma > 0) {
            line(y, result.mid(comma + 2));
            y += 17;
        }
        line(y, QStringLiteral("кредиты %1 → %2").arg(g.creditsBefore).arg(g.creditsAfter));
        y += 17;
        if (!g.counted) {
            p->setPen(kMuted);
            line(y, QStringLiteral("статистика не велась"));
        }

        const QString steps = gameSteps(g);
        if (!steps.isEmpty()) {
            p->setFont(text);
            p->setPen(kInk);
            const QRect stepRect(r.left() + 10, top + kSmallCard.height() + 18, r.width() - 20, 36);
            p->drawText(stepRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, steps);
        }
        if (option.state & QStyle::State_HasFocus) {
            p->setPen(QPen(kGold, 1, Qt::DashLine));
            p->drawRect(r.adjusted(3, 3, -4, -4));
        }
        p->restore();
    }

private:
    // The deck's picture brought down to the row's card size once, at the
    // screen's pixel ratio, and kept while the window lives.
    QPixmap smallCard(Card c, qreal dpr) const {
        const QString key = QStringLiteral("%1@%2").arg(c).arg(dpr);
        if (const auto it = cache_.constFind(key); it != cache_.constEnd()) return *it;
        QPixmap pm = pictures_ ? pictures_(c, dpr) : QPixmap();
        if (!pm.isNull()) {
            pm = pm.scaled(qRound(kSmallCard.width() * dpr), qRound(kSmallCard.height() * dpr), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
            pm.setDevicePixelRatio(dpr);
        }
        cache_.insert(key, pm);
        return pm;
    }
    const RecallWindow::Pictures& pictures_;
    mutable QHash<QString, QPixmap> cache_;
};

} // namespace

// ---- words ---------------------------------------------------------------------

QString cardWords(Card c) {
    if (c == kJoker) return QStringLiteral("джокер");
    if (c < 1 || c > 52) return QStringLiteral("рубашка");
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(kRankWords[(c - 1) % 13]),
                                       QString::fromUtf8(kSuitWords[(c - 1) / 13]));
}

QString cardShort(Card c) {
    if (c == kJoker) return QStringLiteral("Джокер");
    if (c < 1 || c > 52) return QStringLiteral("—");
    return QString::fromLatin1(kRankShort[(c - 1) % 13]) + QChar(kSuitSigns[(c - 1) / 13]);
}

QString gameHeading(const GameRecord& g) {
    const QDateTime t = QDateTime::fromString(QString::fromStdString(g.time), Qt::ISODate);
    const QString when = t.isValid() ? t.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) : QString::fromStdString(g.time);
    return QStringLiteral("Запуск %1 · %2 · %3 · ставка %4").arg(g.run).arg(when, variantTitle(g.variant)).arg(g.bet);
}

QString gameResult(const GameRecord& g) {
    if (!g.draw) return QStringLiteral("без прикупа");
    if (!g.line) return QStringLiteral("нет выигрыша");
    const PayLine& line = payTable(g.variant)[static_cast<std::size_t>(g.line - 1)];
    const QString name = line.caption ? QString::fromUtf8(line.caption) : QStringLiteral("выигрыш");
    return QStringLiteral("%1, выигрыш %2").arg(name).arg(g.win);
}

QString gameSteps(const GameRecord& g) {
    QStringList parts;
    QStringList jackPot;
    for (const Step& s : g.steps) {
        const bool jp = s.kind == Step::Kind::JackPot || s.kind == Step::Kind::JackPotGuess ||
                        s.kind == Step::Kind::JackPotClose;
        (jp ? jackPot : parts) << stepText(s);
    }
    QString out;
    const QString risk = riskTitle(g.riskGame);
    if (!parts.isEmpty()) out = (risk.isEmpty() ? QString() : risk + QStringLiteral(": ")) + parts.join(QStringLiteral("; "));
    if (!jackPot.isEmpty()) {
        if (!out.isEmpty()) out += u'\n';
        out += jackPot.join(QStringLiteral("; "));
    }
    return out;
}

QString gameDescription(const GameRecord& g) {
    auto spoken = [](const Hand& h) {
        QStringList w;
        for (Card c : h) w << cardWords(c);
        return w.join(QStringLiteral(", "));
    };
    QString out = gameHeading(g) + QStringLiteral(". Раздано: ") + spoken(g.deal.cards) + u'.';
    if (g.draw) {
        QStringList kept;
        for (int i = 0; i < 5; ++i)
            if (g.draw->held[static_cast<std::size_t>(i)]) kept << cardWords(g.deal.cards[static_cast<std::size_t>(i)]);
        out += QStringLiteral(" Оставлено: ") + (kept.isEmpty() ? QStringLiteral("ничего") : kept.join(QStringLiteral(", ")));
        out += QStringLiteral(". Итог: ") + spoken(g.draw->cards) + QStringLiteral(". ");
    } else {
        out += u' ';
    }
    out += gameResult(g) + u'.';
    const QString steps = gameSteps(g);
    if (!steps.isEmpty()) out += u' ' + QString(steps).replace(u'\n', QStringLiteral(". ")) + u'.';
    out += QStringLiteral(" Кредиты: было %1, стало %2.").arg(g.creditsBefore).arg(g.creditsAfter);
    if (!g.counted) out += QStringLiteral(" Статистика не велась.");
    return out;
}

// ---- the model -----------------------------------------------------------------

void RecallModel::setGames(std::vector<GameRecord> games) {
    beginResetModel();
    games_ = std::move(games);
    endResetModel();
}

int RecallModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

const GameRecord& RecallModel::game(int row) const { return games_[games_.size() - 1 - static_cast<std::size_t>(row)]; }

QVariant RecallModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const GameRecord& g = game(index.row());
    switch (role) {
    case Qt::DisplayRole: return gameHeading(g) + QStringLiteral(" — ") + gameResult(g);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: return gameDescription(g);
    default: return {};
    }
}

// ---- the chart -----------------------------------------------------------------

RecallChart::RecallChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Chart"));
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("График кредитов"));
}

void RecallChart::setGames(const std::vector<GameRecord>* games, int run, bool allRuns) {
    points_.clear();
    runs_.clear();
    allRuns_ = allRuns;
    if (games)
        for (const GameRecord& g : *games)
            if (allRuns || g.run == run) {
                points_.push_back(g.creditsAfter);
                runs_.push_back(g.run);
            }
    setAccessibleDescription(summary());
    update();
}

QString RecallChart::summary() const {
    if (points_.empty()) return QStringLiteral("Игр для графика нет.");
    const auto [lo, hi] = std::minmax_element(points_.begin(), points_.end());
    return QStringLiteral("Кредиты после %1 игр: от %2 до %3, после последней %4.")
        .arg(points_.size())
        .arg(*lo)
        .arg(*hi)
        .arg(points_.back());
}

void RecallChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = rect();
    p.fillRect(all, kFelt.darker(140));
    p.setPen(QPen(kGold.darker(160), 1));
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    if (points_.empty()) {
        p.setPen(kMuted);
        p.drawText(all, Qt::AlignCenter, QStringLiteral("Сыгранных игр пока нет."));
        return;
    }
    const QRectF plot = all.adjusted(58, 14, -16, -24);
    const auto [loIt, hiIt] = std::minmax_element(points_.begin(), points_.end());
    long long lo = *loIt, hi = *hiIt;
    if (hi == lo) {
        lo -= 1;
        hi += 1;
    }
    const std::size_t n = points_.size();
    auto xAt = [&](std::size_t i) { return n == 1 ? plot.center().x() : plot.left() + plot.width() * i / (n - 1); };
    auto yAt = [&](long long v) { return plot.bottom() - plot.height() * static_cast<double>(v - lo) / (hi - lo); };

    // Scale: the lowest and the highest credits, and a line between.
    p.setPen(QPen(kMuted.darker(150), 1, Qt::DotLine));
    for (const long long v : {lo, (lo + hi) / 2, hi}) p.drawLine(QPointF(plot.left(), yAt(v)), QPointF(plot.right(), yAt(v)));
    p.setPen(kMuted);
    for (const long long v : {lo, hi})
        p.drawText(QRectF(0, yAt(v) - 8, plot.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(v));

    // Where one run ends and the next begins.
    if (allRuns_) {
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && runs_[i] == runs_[i - 1]) continue;
            const double x = i == 0 ? plot.left() : (xAt(i - 1) + xAt(i)) / 2;
            p.setPen(QPen(kGold.darker(200), 1, Qt::DashLine));
            if (i > 0) p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            p.setPen(kMuted);
            p.drawText(QPointF(x + 3, plot.top() + 10), QStringLiteral("№%1").arg(runs_[i]));
        }
    }

    QPainterPath line;
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF at(xAt(i), yAt(points_[i]));
        if (i == 0) line.moveTo(at);
        else line.lineTo(at);
    }
    p.setPen(QPen(kGold, 2));
    p.drawPath(line);
    if (n <= 120) {
        p.setBrush(kGold);
        for (std::size_t i = 0; i < n; ++i) p.drawEllipse(QPointF(xAt(i), yAt(points_[i])), 2.5, 2.5);
    }
    p.setPen(kMuted);
    p.drawText(QRectF(plot.left(), plot.bottom() + 4, plot.width() / 2, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("игра 1"));
    p.drawText(QRectF(plot.center().x(), plot.bottom() + 4, plot.width() / 2, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("игра %1: %2").arg(n).arg(points_.back()));
}

// ---- the window ------------------------------------------------------------------

RecallWindow::RecallWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormRecall"));
    setWindowTitle(QStringLiteral("Последние игры"));
    setAccessibleName(QStringLiteral("Последние игры"));
    setFixedSize(760, 620);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFelt.darker(150));
    pal.setColor(QPalette::WindowText, kInk);
    pal.setColor(QPalette::Base, kFelt);
    pal.setColor(QPalette::Text, kInk);
    setPalette(pal);
    setAutoFillBackground(true);

    ChartCaption = new QLabel(this);
    ChartCaption->setObjectName(QStringLiteral("ChartCaption"));
    ChartCaption->setGeometry(12, 8, 440, 22);
    ChartCaption->setStyleSheet(QStringLiteral("color: rgb(255, 212, 84); font-weight: bold; font-size: 13px;"));

    EarlierRuns = new QCheckBox(QStringLiteral("Показать и прошлые запуски"), this);
    EarlierRuns->setObjectName(QStringLiteral("EarlierRuns"));
    EarlierRuns->setGeometry(480, 8, 268, 22);
    EarlierRuns->setStyleSheet(QStringLiteral("QCheckBox { color: rgb(236, 236, 220); font-size: 12px; }"));
    connect(EarlierRuns, &QCheckBox::toggled, this, [this] { showChart(); });

    Chart = new RecallChart(this);
    Chart->setGeometry(12, 34, 736, 168);
    ChartCaption->setBuddy(Chart);

    auto* listCaption = new QLabel(QStringLiteral("Игры, последние сверху:"), this);
    listCaption->setGeometry(12, 208, 400, 20);
    listCaption->setStyleSheet(QStringLiteral("color: rgb(255, 212, 84); font-weight: bold; font-size: 13px;"));

    model_ = new RecallModel(this);
    Games = new QListView(this);
    Games->setObjectName(QStringLiteral("Games"));
    Games->setAccessibleName(QStringLiteral("Сыгранные игры, последние сверху"));
    Games->setGeometry(12, 230, 736, 340);
    Games->setModel(model_);
    Games->setItemDelegate(new GameDelegate(pictures_, Games));
    Games->setUniformItemSizes(true);
    Games->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Games->setStyleSheet(QStringLiteral(
        "QListView { background: rgb(18, 58, 36); border: 1px solid rgb(128, 106, 42); }"
        "QScrollBar:vertical { background: rgb(10, 36, 22); width: 12px; margin: 0; }"
        "QScrollBar::handle:vertical { background: rgba(255, 212, 84, 140); min-height: 32px; border-radius: 5px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    Games->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    Games->setSelectionMode(QAbstractItemView::SingleSelection);
    Games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listCaption->setBuddy(Games);

    Note = new QLabel(this);
    Note->setObjectName(QStringLiteral("Note"));
    Note->setGeometry(12, 580, 580, 30);
    Note->setStyleSheet(QStringLiteral("color: rgb(170, 190, 170); font-size: 11px;"));
    Note->setWordWrap(true);

    CloseButton = new QPushButton(QStringLiteral("Закрыть"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(648, 580, 100, 30);
    CloseButton->setDefault(true);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(EarlierRuns, Chart);
    setTabOrder(Chart, Games);
    setTabOrder(Games, CloseButton);

    pictures_ = [](Card c, qreal dpr) { return art::cardPixmap(QString::fromStdString(builtInName(c)), dpr); };
}

void RecallWindow::load(const QString& path, int run) {
    run_ = run;
    store::RecallFile::Contents read = store::RecallFile::read(path);
    const int damaged = read.damaged;
    const bool readable = read.readable;
    model_->setGames(std::move(read.games));
    QStringList notes;
    if (!readable) notes << QStringLiteral("Файл последних игр не читается: %1").arg(path);
    else if (model_->rowCount() == 0) notes << QStringLiteral("Сыгранных игр пока нет.");
    if (damaged) notes << QStringLiteral("Пропущено повреждённых строк: %1.").arg(damaged);
    notes << QStringLiteral("Каждую игру можно проверить: talvern-odds replay.");
    Note->setText(notes.join(u' '));
    showChart();
    if (model_->rowCount() > 0) Games->setCurrentIndex(model_->index(0));
    Games->scrollToTop();
}

void RecallWindow::showChart() {
    const bool all = EarlierRuns->isChecked();
    ChartCaption->setText(all ? QStringLiteral("Кредиты после каждой игры, все запуски")
                              : QStringLiteral("Кредиты после каждой игры этого запуска"));
    Chart->setGames(&model_->played(), run_, all);
}

} // namespace talvern::settings
