#include "accessibility.h"

#include <QStringList>
#include <QWidget>

#include "controller.h"

namespace talvern {

QString spokenCard(Card c) {
    if (c == kJoker) return QStringLiteral("джокер");
    if (isBack(c)) return QStringLiteral("рубашка");
    if (c < 1 || c > 52) return {};
    static const char* const ranks[] = {"туз",     "двойка",  "тройка",  "четвёрка", "пятёрка", "шестёрка", "семёрка",
                                        "восьмёрка", "девятка", "десятка", "валет",    "дама",    "король"};
    static const char* const suits[] = {"червей", "бубен", "треф", "пик"};
    return QString::fromUtf8(ranks[(c - 1) % 13]) + QLatin1Char(' ') + QString::fromUtf8(suits[(c - 1) / 13]);
}

namespace {

struct Named {
    const char* object;
    const char* name;
    const char* description;
};

const Named kControls[] = {
    {"Deal", "Раздать", "Сдать карты или заменить те, что не оставлены"},
    {"btnpay", "Зарядить", "Добавить 100 кредитов"},
    {"btnbet1", "Ставка минус", "Уменьшить ставку"},
    {"btnbet2", "Ставка плюс", "Увеличить ставку"},
    {"btnoptions", "Настройки", "Открыть настройки автомата"},
    {"btntotal", "Итог", "Показать итог игры"},
    {"btnexit", "Выход", "Закончить игру"},
    {"btnhelp", "Помощь", "Открыть страницу помощи"},
    {"btnabout", "Об игре", "Показать сведения об игре"},
    {"btnClose", "Закрыть", "Закончить игру и закрыть автомат"},
    {"btnminimize", "Свернуть", "Свернуть автомат"},
    {"Imwind", "Во весь экран или в окне", "Переключить полноэкранный режим"},
    {"Imminim", "Свернуть", "Свернуть автомат"},
    {"RxLabel5", "Бонус", nullptr},
    {"RxLabel6", "Джек пот", nullptr},
    {"RxLabel7", "Кредиты", nullptr},
    {"RxLabel8", "Ставка", nullptr},
    {"RxLabel25", "Максимальный выигрыш", nullptr},
    {"message1", "Сообщение", nullptr},
    {"RxLabel24", "Комбинация", nullptr},
    {"dealx", "Раздача закрыта", "Зарядите кредиты, чтобы играть"},
    {"Panel2", "Заставка", "Нажмите любую клавишу"},
    // the risk games
    {"BtnRed", "Красное", "Следующая карта красной масти"},
    {"BtnBlack", "Чёрное", "Следующая карта чёрной масти"},
    {"BtnNo", "Наугад", "Автомат выберет цвет сам"},
    {"BtnCash", "Забрать", "Забрать выигрыш"},
    {"Btn12", "Забрать половину", "Забрать половину выигрыша и играть дальше на остальное"},
    {"BtnCash1", "Забрать", "Забрать выигрыш"},
    {"BtnHalf1", "Забрать половину", "Забрать половину выигрыша и играть дальше на остальное"},
    {"BtnYes1", "Да", "Играть дальше"},
    {"cards", "Колода", nullptr},
    {"RxLabel23", "Выигрыш", nullptr},
    {"RxLabel26", "Надпись", nullptr},
    {"RxLabel27", "Выигрыш", nullptr},
    {"pist", "Барабан", nullptr},
    {"colt", "Револьвер", nullptr},
    // the expert at the player's side
    {"Hint", "Совет", nullptr},
    {"Odds", "Шансы", nullptr},
};

// The controls keyboard play presses, with their fixed descriptions.
struct Keyed {
    const char* object;
    Ctl ctl;
};
const Keyed kKeyed[] = {
    {"Deal", Ctl::Deal},       {"btnpay", Ctl::btnpay},    {"btnbet1", Ctl::btnbet1}, {"btnbet2", Ctl::btnbet2},
    {"BtnRed", Ctl::BtnRed},   {"BtnBlack", Ctl::BtnBlack}, {"BtnNo", Ctl::BtnNo},     {"BtnCash", Ctl::BtnCash},
    {"Btn12", Ctl::Btn12},     {"BtnCash1", Ctl::BtnCash1}, {"BtnHalf1", Ctl::BtnHalf1},
};

QString fixedDescription(const char* object) {
    for (const Named& n : kControls)
        if (std::string_view(n.object) == object && n.description) return QString::fromUtf8(n.description);
    return {};
}

QString withKeys(const QString& description, Ctl c, bool keyboardPlay) {
    if (!keyboardPlay || keysOf(c).isEmpty()) return description;
    return description + QStringLiteral(". Клавиша: ") + keysOf(c);
}

void set(QWidget* w, const QString& description) {
    if (w && w->accessibleDescription() != description) w->setAccessibleDescription(description);
}

QWidget* find(QWidget* panel, const QString& name) { return panel->findChild<QWidget*>(name); }

} // namespace

void nameCabinetControls(QWidget* panel1) {
    for (const Named& n : kControls) {
        QWidget* w = find(panel1, QString::fromLatin1(n.object));
        if (!w) continue;
        w->setAccessibleName(QString::fromUtf8(n.name));
        if (n.description) w->setAccessibleDescription(QString::fromUtf8(n.description));
    }
    for (int i = 1; i <= 5; ++i) {
        if (QWidget* card = find(panel1, QStringLiteral("Im%1").arg(i))) card->setAccessibleName(QStringLiteral("Карта %1").arg(i));
        if (QWidget* hold = find(panel1, QStringLiteral("lb%1").arg(i))) {
            hold->setAccessibleName(QStringLiteral("оставить"));
            hold->setAccessibleDescription(QStringLiteral("Карта %1 оставлена").arg(i));
        }
    }
    for (int k = 1; k <= 7; ++k)
        if (QWidget* w = find(panel1, QStringLiteral("crd%1").arg(k))) w->setAccessibleName(QStringLiteral("Сыгранная карта %1").arg(k));
    static const char* captions[] = {"l1", "l2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10"};
    for (int i = 0; i < 10; ++i) {
        if (QWidget* w = find(panel1, QString::fromLatin1(captions[i]))) w->setAccessibleName(QStringLiteral("Линия %1").arg(i + 1));
        if (QWidget* w = find(panel1, QStringLiteral("Lv%1").arg(i + 1))) w->setAccessibleName(QStringLiteral("Выплата линии %1").arg(i + 1));
    }
}

QString spokenHint(const ExpertView& expert, const Cabinet& cab) {
    if (!expert.advice) return {};
    QStringList kept;
    for (std::size_t i = 0; i < 5; ++i)
        if (expert.keep[i]) kept << spokenCard(cab.Im[i].card);
    const QString cards = kept.size() == 5 ? QStringLiteral("все пять") : kept.isEmpty() ? QStringLiteral("ни одной") : kept.join(QStringLiteral(", "));
    return (expert.bent ? QStringLiteral("Колода подкручена фортуной. Честный совет: оставить ")
                        : QStringLiteral("Совет: оставить ")) +
           cards + QStringLiteral("; ") + expert.net + QStringLiteral(". Клавиша F2 оставляет эти карты.");
}

void describeCabinet(QWidget* panel1, const Cabinet& cab, const ExpertView* expert, bool keyboardPlay) {
    set(find(panel1, QStringLiteral("RxLabel5")), cab.RxLabel5.text);
    set(find(panel1, QStringLiteral("RxLabel6")), cab.RxLabel6.text);
    set(find(panel1, QStringLiteral("RxLabel7")), cab.RxLabel7.text);
    set(find(panel1, QStringLiteral("RxLabel8")), cab.RxLabel8.text);
    set(find(panel1, QStringLiteral("RxLabel25")), cab.RxLabel25.text);
    set(find(panel1, QStringLiteral("message1")), cab.message1.text);
    set(find(panel1, QStringLiteral("RxLabel24")), cab.RxLabel24.text);
    set(find(panel1, QStringLiteral("RxLabel23")), cab.RxLabel23.text);
    set(find(panel1, QStringLiteral("RxLabel26")), cab.RxLabel26.text);
    set(find(panel1, QStringLiteral("RxLabel27")), cab.RxLabel27.text);
    // The one button of the lower row plays the game on the table: the next
    // cards of Higher-Lower or the next pull of the trigger.
    set(find(panel1, QStringLiteral("BtnYes1")),
        withKeys(cab.RusRul.visible ? QStringLiteral("Нажать на курок") : QStringLiteral("Сдать карты и играть дальше"),
                 Ctl::BtnYes1, keyboardPlay));
    for (const Keyed& k : kKeyed)
        set(find(panel1, QString::fromLatin1(k.object)), withKeys(fixedDescription(k.object), k.ctl, keyboardPlay));
    set(find(panel1, QStringLiteral("Hint")), expert ? spokenHint(*expert, cab) : QString());
    set(find(panel1, QStringLiteral("Odds")), expert ? expert->odds : QString());
    set(find(panel1, QStringLiteral("pist")), QStringLiteral("Нажатий на курок: %1").arg(cab.pist.frame));
    for (int k = 1; k <= 7; ++k) {
        const CardPlace& crd = cab.crd(k);
        set(find(panel1, QStringLiteral("crd%1").arg(k)), crd.visible ? spokenCard(crd.card) : QString());
    }
    for (std::size_t i = 0; i < 5; ++i) {
        QString d = spokenCard(cab.Im[i].card);
        if (cab.lb[i].visible) d += QStringLiteral(", оставлена");
        if (expert && expert->advice && expert->keep[i]) d += QStringLiteral(", совет: оставить");
        const Ctl place = static_cast<Ctl>(static_cast<int>(Ctl::Im1) + static_cast<int>(i));
        set(find(panel1, QStringLiteral("Im%1").arg(i + 1)), withKeys(d, place, keyboardPlay));
    }
    static const char* captions[] = {"l1", "l2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10"};
    for (std::size_t i = 0; i < 10; ++i) {
        const QString mark = cab.payCaption[i].marked ? QStringLiteral(", выигрыш") : QString();
        set(find(panel1, QString::fromLatin1(captions[i])), cab.payCaption[i].text + mark);
        set(find(panel1, QStringLiteral("Lv%1").arg(i + 1)), cab.payValue[i].text + mark);
    }
}

} // namespace talvern
