// "Карты": the built-in or an external deck, and the back.
#include "settingsdialog.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QUrl>

#include "controller.h"
#include "controls.h"
#include "pagekit.h"
#include "settingsart.h"

namespace talvern::settings {

using namespace pagekit;

void TForm2::buildCardsPage(QWidget* page) {
    auto* builtIn = new QGroupBox(QStringLiteral("Встроенная колода"), page);
    builtIn->setObjectName(QStringLiteral("GroupBoxBuiltIn"));
    builtIn->setGeometry(6, 6, 344, 226);
    BuiltInDeckPicture = new Picture(QStringLiteral("ImageBuiltIn"),
                                     [](qreal dpr) { return art::deckPicture(art::DeckPicture::BuiltIn, dpr); }, builtIn);
    BuiltInDeckPicture->setGeometry(76, 22, 192, 126);
    BuiltInDeckPicture->setCursor(Qt::PointingHandCursor);
    BuiltInDeckPicture->clicked = [this] { change([&] { flow_->setExternalDeck(false); }); };
    p2 = radio("p2", QStringLiteral(" Встроенная колода"), builtIn, {110, 186, 200, 26});
    connect(p2, &QAbstractButton::clicked, this, [this] { change([&] { flow_->setExternalDeck(false); }); });

    auto* external = new QGroupBox(QStringLiteral("Внешняя колода "), page);
    external->setObjectName(QStringLiteral("GroupBoxExternal"));
    external->setGeometry(356, 6, 344, 226);
    ExternalDeckPicture = new Picture(QStringLiteral("ImageExternal"),
                                      [](qreal dpr) { return art::deckPicture(art::DeckPicture::External, dpr); }, external);
    ExternalDeckPicture->setGeometry(76, 18, 192, 122);
    ExternalDeckPicture->setCursor(Qt::PointingHandCursor);
    ExternalDeckPicture->clicked = [this] { change([&] { flow_->setExternalDeck(true); }); };
    ComboBox2 = new QComboBox(external);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(14, 146, 316, 26);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int i) { change([&] { flow_->chooseDeckEntry(i); }); });
    p3 = radio("p3", QStringLiteral(" Внешняя колода"), external, {14, 186, 150, 26});
    connect(p3, &QAbstractButton::clicked, this, [this] { change([&] { flow_->setExternalDeck(true); }); });
    RxSpeedButton1 = new CaptionButton(QStringLiteral("RxSpeedButton1"), QStringLiteral("Загрузить новую колоду"), external);
    RxSpeedButton1->setGeometry(160, 182, 172, 32);
    connect(RxSpeedButton1, &QAbstractButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(web::deckPage())); });

    auto* backs = new QGroupBox(QStringLiteral(" Рубашка "), page);
    backs->setObjectName(QStringLiteral("GroupBoxBacks"));
    backs->setGeometry(6, 240, 694, 206);
    for (int i = 0; i < kBackCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int cx = 77 + i * 135;
        const int back = i + 1;
        BackPicture[k] = new Picture(QStringLiteral("ImageBack%1").arg(back),
                                     [back](qreal dpr) { return art::backPicture(back, dpr); }, backs);
        BackPicture[k]->setGeometry(cx - 45, 24, 90, 118);
        BackPicture[k]->setCursor(Qt::PointingHandCursor);
        BackPicture[k]->clicked = [this, back] { change([&] { flow_->chooseBack(back); }); };
        RBD[k] = radio("RBD", QString(), backs, {cx - 8, 156, 22, 22});
        RBD[k]->setObjectName(QStringLiteral("RBD%1").arg(back));
        connect(RBD[k], &QAbstractButton::clicked, this, [this, back] { change([&] { flow_->chooseBack(back); }); });
    }
}

void TForm2::renderCardsPage(const SettingsModel& m) {
    QStringList items;
    for (int i = 0; i < ComboBox2->count(); ++i) items << ComboBox2->itemText(i);
    if (items != m.decks) {
        ComboBox2->clear();
        ComboBox2->addItems(m.decks);
    }
    if (ComboBox2->currentIndex() != m.deckEntry) ComboBox2->setCurrentIndex(m.deckEntry);
    setChecked(p2, !m.externalDeck);
    setChecked(p3, m.externalDeck);
    BuiltInDeckPicture->setHighlighted(!m.externalDeck);
    ExternalDeckPicture->setHighlighted(m.externalDeck);
    for (std::size_t i = 0; i < RBD.size(); ++i) {
        setChecked(RBD[i], m.back == static_cast<int>(i) + 1);
        BackPicture[i]->setHighlighted(m.back == static_cast<int>(i) + 1);
    }
}

} // namespace talvern::settings
