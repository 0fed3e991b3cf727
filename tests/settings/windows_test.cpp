// The windows' binding, offscreen: the dialog's controls where and as they
// should be, clicks reaching the rules and the rules reaching the controls,
// the web view with the local page and with pages of a server on the
// loopback, the about card, and the cabinet's hooks with the sample deck.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <optional>

#include "aboutart.h"
#include "aboutwindow.h"
#include "cardart.h"
#include "controls.h"
#include "historyviewer.h"
#include "home.h"
#include "infopage.h"
#include "settingsdialog.h"
#include "talvern.h"

namespace talvern::settings::test {
namespace {

// Web engine loads run in another process: wait for them, with a bound.
constexpr int kLoadWaitMs = 30000;

struct NoPacer : Pacer {
    void pause(int) override {}
    void hold(int) override {}
    void processEvents() override {}
};
struct Silence : SoundPort {
    void start(SoundId, bool) override {}
};
struct FixedClock : Clock {
    std::uint32_t millisecondsOfDayUtc() override { return 5; }
};
struct Host : SettingsHost {
    int timers = 0, renders = 0;
    void startTimeLimit(int) override { ++timers; }
    void stopTimeLimit() override {}
    void applyDisplayMode(bool) override {}
    void render() override { ++renders; }
};

// Addresses handed to the desktop's browser end up here instead.
class Browser : public QObject {
    Q_OBJECT
public:
    Browser() {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~Browser() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

struct Dialog {
    NoPacer pacer;
    Silence sound;
    FixedClock clock;
    Machine m{pacer, sound, clock};
    store::StorePaths paths = freshPaths();
    store::Memory memory{m, paths};
    Host host;
    TForm2 form{m, memory, host, nullptr, [] { return false; }};
    int stored(const store::Value& v) { return store::SettingsStore(paths.settingsFile).read(v); }
};

void click(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
}

// A radio's indicator is at its left.
void clickRadio(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }

TEST(SettingsDialog, PagesControlsAndTheirDefaults) {
    Dialog d;
    TForm2& f = d.form;
    EXPECT_EQ(f.size(), QSize(722, 536));
    EXPECT_EQ(f.windowTitle(), "Настройки");
    EXPECT_FALSE(f.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(f.isVisible());
    const QStringList tabs = {"Настройки", " Вид ", "Продвинутые настройки", "Статистика", "Карты", "Игра на Интерес"};
    ASSERT_EQ(f.PageControl1->count(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f.PageControl1->tabText(i), tabs[i]);
    EXPECT_EQ(f.Ok->text(), "Ok");
    EXPECT_EQ(f.LinkLabel1->text(), "Больше игр на сайте автора >>>");
    EXPECT_EQ(f.LinkLabel1->toolTip(), "Перейти на сайт автора");

    EXPECT_EQ(f.ComboBox1->count(), 3);
    EXPECT_EQ(f.ComboBox1->itemText(1), "Jack or Better");
    EXPECT_EQ(f.glLabel1->text(), "Joker Poker");
    EXPECT_TRUE(f.RB1->isChecked());  // an empty store chooses Red-Black
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{f.RB2, f.RB3, f.RB5, f.RB6, f.CB2, f.CB1, f.CheckBox1})
        EXPECT_FALSE(b->isChecked()) << qPrintable(b->objectName());
    EXPECT_EQ(f.RB6->text(), "Нет дополнительной игры");
    EXPECT_EQ(f.CheckBox1->text(), "Отключить кровь");
    EXPECT_TRUE(f.RadioButton1->isChecked());
    EXPECT_TRUE(f.RadioButton3->isChecked());
    EXPECT_EQ(f.SEd1->minimum(), 1);
    EXPECT_EQ(f.SEd1->maximum(), 10);
    EXPECT_EQ(f.SEd1->value(), 1);
    EXPECT_TRUE(f.glCheckBox5->isChecked());
    EXPECT_EQ(f.glCheckBox5->text(), "Звуки");

    EXPECT_TRUE(f.RadioButton5->isChecked());
    EXPECT_TRUE(f.CheckBox3->isChecked());

    for (QSlider* s : f.RxSlider) {
        EXPECT_EQ(s->minimum(), -100);
        EXPECT_EQ(s->maximum(), 100);
        EXPECT_EQ(s->tickInterval(), 5);
        EXPECT_EQ(s->value(), 0);
        EXPECT_EQ(s->orientation(), Qt::Vertical);
    }
    EXPECT_EQ(f.PercentLabel[0]->text(), "0%");
    EXPECT_EQ(f.StateLabel[3]->text(), "Норма");
    EXPECT_EQ(f.RxLabel7->text(), "статистика включена");
    EXPECT_FALSE(f.Label71->isVisibleTo(&f));
    EXPECT_EQ(f.SEd2->maximum(), 900);
    EXPECT_EQ(f.SEd2->value(), 0);
    EXPECT_FALSE(f.CheckBox5->isChecked());
    EXPECT_FALSE(f.CheckBox2->isChecked());
    EXPECT_FALSE(f.CheckBox4->isChecked());
    EXPECT_TRUE(f.CheckBox4->text().startsWith("При выходе из"));

    for (QCheckBox* c : f.SaveBox) {
        EXPECT_TRUE(c->isChecked());
        EXPECT_EQ(c->text(), " сохранить");
    }
    EXPECT_TRUE(f.p2->isChecked());
    EXPECT_FALSE(f.p3->isChecked());
    EXPECT_EQ(f.ComboBox2->count(), 0);
    EXPECT_TRUE(f.RBD[0]->isChecked());
    EXPECT_EQ(f.RxSpeedButton1->text(), "Загрузить новую колоду");

    InfoPage* info = f.infoPage();
    EXPECT_EQ(info->frame->size(), QSize(697, 393));
    EXPECT_EQ(info->btnRefresh->size(), QSize(97, 21));
    EXPECT_EQ(info->btnRefresh->text(), "Обновить");
    EXPECT_EQ(info->btnRefresh->toolTip(), "Информация обновляется через Интернет.\nНажмите и дождитесь обновления.");
    EXPECT_EQ(info->Label74->text(), kInfoNote);
}

TEST(SettingsDialog, TheTwoPairsAreOneSettingAndPicturesCheckTheirRadios) {
    Dialog d;
    TForm2& f = d.form;
    f.show();
    clickRadio(f.RadioButton4);
    EXPECT_TRUE(f.RadioButton2->isChecked());
    EXPECT_TRUE(f.RadioButton4->isChecked());
    EXPECT_FALSE(f.RadioButton1->isChecked());
    EXPECT_FALSE(f.RadioButton3->isChecked());
    EXPECT_TRUE(d.m.options.alwaysSeven);
    clickRadio(f.RadioButton1);
    EXPECT_TRUE(f.RadioButton3->isChecked());
    EXPECT_FALSE(f.RadioButton4->isChecked());
    EXPECT_FALSE(d.m.options.alwaysSeven);
    // A second click on the checked radio leaves it checked.
    clickRadio(f.RadioButton1);
    EXPECT_TRUE(f.RadioButton1->isChecked());

    click(f.ImageRB2);
    EXPECT_TRUE(f.RB2->isChecked());
    EXPECT_FALSE(f.RB1->isChecked());
    EXPECT_EQ(d.m.options.riskChoice, RiskChoice::HigherLower);
    clickRadio(f.RB6);
    EXPECT_FALSE(f.RB2->isChecked());
    EXPECT_EQ(d.m.options.riskChoice, RiskChoice::None);

    f.PageControl1->setCurrentIndex(4);
    click(f.ExternalDeckPicture);
    EXPECT_TRUE(f.p3->isChecked());
    EXPECT_FALSE(f.p2->isChecked());
    click(f.BuiltInDeckPicture);
    EXPECT_TRUE(f.p2->isChecked());
    click(f.BackPicture[3]);
    EXPECT_TRUE(f.RBD[3]->isChecked());
    EXPECT_FALSE(f.RBD[0]->isChecked());

    f.PageControl1->setCurrentIndex(0);
    f.ComboBox1->setCurrentIndex(2);
    EXPECT_EQ(d.m.options.variant, Variant::DeucesWild);
    EXPECT_EQ(f.glLabel1->text(), "Deuces Wild");
    click(f.CB2);
    EXPECT_TRUE(d.m.options.seeNextCard);
    f.SEd1->setValue(4);
    EXPECT_EQ(d.m.options.lossRevealDelay, 4);
    click(f.glCheckBox5);
    EXPECT_FALSE(d.m.options.soundOn);  // at once, and again on closing
}

TEST(SettingsDialog, SlidersShowTheirLabelsAndAllToZeroTurnsStatisticsOn) {
    Dialog d;
    TForm2& f = d.form;
    f.show();
    f.PageControl1->setCurrentIndex(2);
    f.RxSlider[1]->setValue(40);
    EXPECT_EQ(f.PercentLabel[1]->text(), "+40%");
    EXPECT_EQ(f.StateLabel[1]->text(), "Больше");
    EXPECT_EQ(f.RxLabel7->text(), "статистика отключена");
    EXPECT_TRUE(f.Label71->isVisible());
    EXPECT_TRUE(d.m.options.statisticsOff);
    // The keys move a slider a tick at a time.
    f.RxSlider[3]->setFocus();
    QTest::keyClick(f.RxSlider[3], Qt::Key_Down);
    EXPECT_EQ(f.RxSlider[3]->value(), -5);
    EXPECT_EQ(f.PercentLabel[3]->text(), "-5%");

    click(f.Button2);
    for (QSlider* s : f.RxSlider) EXPECT_EQ(s->value(), 0);
    EXPECT_EQ(f.PercentLabel[1]->text(), "+0%");
    EXPECT_EQ(f.RxLabel7->text(), "статистика включена");
    EXPECT_FALSE(f.Label71->isVisible());
    EXPECT_FALSE(d.m.options.statisticsOff);
}

TEST(SettingsDialog, OkAppliesHidesAndTheCloseKeepsTheChoices) {
    Dialog d;
    TForm2& f = d.form;
    f.show();
    clickRadio(f.RB3);
    f.PageControl1->setCurrentIndex(4);
    clickRadio(f.RBD[2]);
    f.PageControl1->setCurrentIndex(2);
    click(f.CheckBox4);
    click(f.CheckBox2);
    f.PageControl1->setCurrentIndex(0);
    click(f.glCheckBox5);
    d.m.options.soundOn = true;
    click(f.Ok);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(d.stored(store::vol::riskGame), 3);
    EXPECT_EQ(d.stored(store::vol::deck), 2);
    EXPECT_EQ(d.stored(store::vol::back), 3);
    EXPECT_EQ(d.stored(store::vol::exitOffer), 1);
    EXPECT_FALSE(d.m.options.soundOn);
    EXPECT_EQ(d.m.state.selectedBack, kFirstBack + 2);
    EXPECT_GE(d.host.renders, 1);

    // The fortune settings and the time limit are gone for the run.
    f.show();
    f.PageControl1->setCurrentIndex(2);
    for (QWidget* w : std::initializer_list<QWidget*>{f.FortuneGroup, f.CheckBox2, f.CheckBox5, f.SEd2, f.MinutesLabel,
                                                      f.EndAfterLabel})
        EXPECT_FALSE(w->isVisible()) << qPrintable(w->objectName());
    EXPECT_TRUE(f.Clock->isVisible());
    EXPECT_TRUE(f.RestartNote->isVisible());
    EXPECT_TRUE(f.CheckBox4->isVisible());
    for (QWidget* w : std::initializer_list<QWidget*>{f.HintBox, f.TrainerBox, f.KeysBox})
        EXPECT_TRUE(w->isVisible()) << qPrintable(w->objectName());
}

// The expert's three boxes on "Продвинутые настройки", off at first and
// at once in the machine; the trainer's group on the statistics page.
TEST(SettingsDialog, TheExpertsBoxesAndTheTrainersFigures) {
    Dialog d;
    TForm2& f = d.form;
    f.show();
    f.PageControl1->setCurrentIndex(2);
    EXPECT_EQ(f.HintBox->accessibleName(), "Подсказка: лучшая игра");
    EXPECT_EQ(f.TrainerBox->accessibleName(), "Тренер: предупреждать об ошибках");
    EXPECT_EQ(f.KeysBox->text(), "Игра с клавиатуры");
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{f.HintBox, f.TrainerBox, f.KeysBox})
        EXPECT_FALSE(b->isChecked()) << qPrintable(b->objectName());
    clickRadio(f.HintBox);  // on the box itself: the captions are shorter than the controls
    clickRadio(f.TrainerBox);
    EXPECT_TRUE(d.m.options.hint);
    EXPECT_TRUE(d.m.options.trainer);
    EXPECT_FALSE(d.m.options.keyboardPlay);
    clickRadio(f.HintBox);
    EXPECT_FALSE(d.m.options.hint);
    // every box stays inside the page, clear of the others
    const QRect page = f.PageControl1->widget(2)->rect();
    for (QWidget* w : std::initializer_list<QWidget*>{f.HintBox, f.TrainerBox, f.KeysBox, f.CheckBox4, f.CheckBox2,
                                                      f.RestartNote, f.SEd2, f.Clock}) {
        const QRect r(w->mapTo(f.PageControl1->widget(2), QPoint(0, 0)), w->size());
        EXPECT_TRUE(page.contains(r)) << qPrintable(w->objectName());
    }

    d.m.stats.trainerDecisions = 12;
    d.m.stats.trainerMistakes = 3;
    d.m.stats.trainerCost = 1207;
    f.activated();
    f.PageControl1->setCurrentIndex(3);
    EXPECT_EQ(f.TrainerThisRun[0]->text(), "12");
    EXPECT_EQ(f.TrainerThisRun[1]->text(), "3");
    EXPECT_EQ(f.TrainerThisRun[2]->text(), "12,07");
    EXPECT_EQ(f.TrainerAll[2]->text(), "0,00");
    EXPECT_TRUE(f.TrainerSaveBox->isChecked());
    clickRadio(f.TrainerSaveBox);
    EXPECT_FALSE(d.memory.exitChoices().saveTrainer);
}

TEST(SettingsDialog, OkWithTheExternalDeckAndNoEntryAsksForADeckAndStaysOpen) {
    Dialog d;
    TForm2& f = d.form;
    f.show();
    f.PageControl1->setCurrentIndex(4);
    clickRadio(f.p3);
    ASSERT_TRUE(f.p3->isChecked());
    QString said;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    click(f.Ok);
    EXPECT_EQ(said, "Выберите колоду в выпадающем списке.");
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.p2->isChecked());
    EXPECT_FALSE(f.p3->isChecked());
    EXPECT_EQ(d.stored(store::vol::riskGame), 0);  // not closed, so nothing stored
}

TEST(SettingsDialog, OnlyOkClosesItAndItOpensOnThePageShownLast) {
    Dialog d;
    TForm2& f = d.form;
    f.show();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    f.close();
    EXPECT_TRUE(f.isVisible());
    f.PageControl1->setCurrentIndex(3);
    click(f.Ok);
    ASSERT_FALSE(f.isVisible());
    f.show();
    EXPECT_EQ(f.PageControl1->currentIndex(), 3);
}

TEST(SettingsDialog, TheButtonsThatLeaveTheMachine) {
    Browser browser;
    Dialog d;
    TForm2& f = d.form;
    int histories = 0;
    f.setHistoryHandler([&] { ++histories; });
    f.show();
    click(f.LinkLabel1);
    f.PageControl1->setCurrentIndex(4);
    click(f.RxSpeedButton1);
    EXPECT_EQ(browser.opened, (QStringList{web::homePage(), web::deckPage()}));
    EXPECT_TRUE(web::deckPage().endsWith("/ru/index.php?option=com_content&view=article&id=8"));
    f.PageControl1->setCurrentIndex(0);
    click(f.Button1);
    EXPECT_EQ(histories, 1);
    EXPECT_TRUE(f.isVisible());
}

// Counts what reaches it.
class Probe : public QWidget {
public:
    using QWidget::QWidget;
    int presses = 0, menus = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void contextMenuEvent(QContextMenuEvent*) override { ++menus; }
};

TEST(SettingsDialog, TheRightMouseButtonNeverReachesItsControls) {
    Dialog d;
    TForm2& f = d.form;
    f.show();
    auto* probe = new Probe(f.PageControl1->widget(0));
    probe->setGeometry(0, 0, 20, 20);
    probe->show();
    QTest::mousePress(probe, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(probe, Qt::RightButton, {}, QPoint(5, 5));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), probe->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(probe, &menu);
    EXPECT_EQ(probe->presses, 0);
    EXPECT_EQ(probe->menus, 0);
    QTest::mousePress(probe, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(probe->presses, 1);

    // A widget of another window gets its right clicks as ever.
    Probe elsewhere;
    elsewhere.resize(20, 20);
    elsewhere.show();
    QTest::mousePress(&elsewhere, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(elsewhere.presses, 1);
}

// The web view of a page that has been shown, once it is there.
QWebEnginePage* webPage(InfoPage& page) {
    for (int i = 0; i < 1000 && !page.view(); ++i) QTest::qWait(10);
    auto* view = qobject_cast<QWebEngineView*>(page.view());
    return view ? view->page() : nullptr;
}

TEST(InformationPage, NothingOfTheWebEngineUntilThePageIsFirstShown) {
    Dialog d;
    TForm2& f = d.form;
    InfoPage* info = f.infoPage();
    f.show();
    QTest::qWait(50);
    EXPECT_FALSE(info->started());
    EXPECT_EQ(info->view(), nullptr);
    EXPECT_FALSE(info->fallback()->isVisible());

    QSignalSpy loaded(info, &InfoPage::pageLoaded);
    f.PageControl1->setCurrentIndex(5);
    ASSERT_NE(webPage(*info), nullptr);
    EXPECT_TRUE(info->started());
    QWidget* view = info->view();
    EXPECT_EQ(view->objectName(), "WebBrowser1");
    EXPECT_EQ(view->parentWidget(), info->frame);
    EXPECT_EQ(view->geometry(), QRect(8, 16, 680, 360));
    EXPECT_EQ(view->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(view->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_TRUE(view->isVisible());
    // offline: the first page is the local one
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(kLoadWaitMs));
    EXPECT_EQ(loaded.at(0).at(0).toString(), kLocalPage);

    // Shown again, nothing is made or asked for again.
    f.PageControl1->setCurrentIndex(0);
    f.PageControl1->setCurrentIndex(5);
    QTest::qWait(200);
    EXPECT_EQ(info->view(), view);
    EXPECT_EQ(loaded.count(), 1);
}

TEST(InformationPage, WithoutItsPluginTheLocalWordsAreShown) {
    // Not installed, or not a plugin at all: the page's own words, and the
    // next file of the list is tried.
    QTemporaryDir dir;
    const QString missing = dir.path() + "/talvern-infoweb.so";
    const QString damaged = dir.path() + "/damaged/talvern-infoweb.so";
    QDir().mkpath(dir.path() + "/damaged");
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, '\x7f'));
    f.close();
    const QStringList real = webPluginFiles();
    for (const QStringList& files : {QStringList{missing}, QStringList{damaged}, QStringList{missing, damaged}}) {
        setWebPluginFiles(files);
        Browser browser;
        InfoPage page(nullptr, [] { return true; });
        page.show();
        for (int i = 0; i < 100 && !page.started(); ++i) QTest::qWait(10);
        ASSERT_TRUE(page.started());
        EXPECT_EQ(page.view(), nullptr);
        EXPECT_TRUE(page.fallback()->isVisible());
        EXPECT_TRUE(page.fallback()->text().contains("Обновить"));
        page.btnRefresh->click();
        EXPECT_EQ(page.btnRefresh->text(), "Далее");
        EXPECT_TRUE(page.fallback()->isVisible());
        EXPECT_EQ(browser.opened.size(), 0);
    }
    setWebPluginFiles(QStringList{damaged} + real);
    {
        InfoPage page(nullptr, [] { return false; });
        page.show();
        EXPECT_NE(webPage(page), nullptr);
    }
    setWebPluginFiles({});
}

QString runScript(QWebEnginePage* page, const QString& script) {
    QString result = QStringLiteral("(no answer)");
    QEventLoop loop;
    page->runJavaScript(script, [&](const QVariant& v) {
        result = v.toString();
        loop.quit();
    });
    QTimer::singleShot(kLoadWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return result;
}

// Waits for the page `address` to report loading (true or false); returns
// whether it loaded.
std::optional<bool> waitFor(QSignalSpy& spy, const QString& address) {
    for (int tries = 0; tries < 20; ++tries) {
        for (const QList<QVariant>& call : std::as_const(spy))
            if (call.at(0).toString() == address) return call.at(1).toBool();
        if (!spy.wait(kLoadWaitMs)) break;
    }
    return std::nullopt;
}

TEST(InformationPage, TheLocalPageLoadsFromTheProgramWithoutScrollBars) {
    InfoPage page(nullptr, [] { return false; });
    page.resize(706, 455);
    page.show();
    QSignalSpy loaded(&page, &InfoPage::pageLoaded);
    ASSERT_EQ(waitFor(loaded, kLocalPage), true);
    EXPECT_TRUE(page.flow().ownPage());
    QWebEnginePage* web = webPage(page);
    EXPECT_EQ(web->url().toString(), kLocalPage);
    EXPECT_EQ(runScript(web, "document.body.style.overflowY + ' ' + document.body.style.overflowX"), "hidden hidden");
    EXPECT_EQ(runScript(web, "document.body.style.borderStyle"), "none");
    EXPECT_EQ(runScript(web, "document.body.innerText.indexOf('Обновить') >= 0"), "true");
    EXPECT_EQ(runScript(web, "document.body.innerText.indexOf('требуется подключение к интернет') >= 0"), "true");
    EXPECT_EQ(runScript(web, "getComputedStyle(document.body).backgroundColor"), "rgb(0, 102, 0)");

    // Without a connection the button shows the local page again.
    loaded.clear();
    click(page.btnRefresh);
    EXPECT_EQ(page.btnRefresh->text(), "Обновить");
    ASSERT_EQ(waitFor(loaded, kLocalPage), true);
}

// A small site on the loopback: the ten information pages, each with a link.
class Site : public QTcpServer {
public:
    QStringList requests;
    Site() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    const QByteArray request = s->readAll();
                    requests << QString::fromLatin1(request);
                    const QByteArray path = request.split(' ').value(1);
                    const QByteArray body = "<html><body style='margin:0;height:2000px;border:3px solid red'>"
                                            "<p id='here'>" + path + "</p><a id='link' href='/ru/games.htm'>games</a>"
                                            "</body></html>";
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                             QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
    QStringList pages() const {
        QStringList p;
        for (int n = 1; n <= 10; ++n) p << base() + QStringLiteral("/ru/updweb/web/index%1.htm").arg(n);
        return p;
    }
};

TEST(InformationPage, SitePagesStayInTheViewAndTheirLinksGoToTheBrowser) {
    Browser browser;
    Site site;
    ASSERT_TRUE(site.isListening());
    InfoPage page(nullptr, [] { return true; }, site.pages());
    page.resize(706, 455);
    page.show();
    QSignalSpy loaded(&page, &InfoPage::pageLoaded);
    QSignalSpy handed(&page, &InfoPage::handedToBrowser);
    ASSERT_EQ(waitFor(loaded, site.pages()[0]), true);
    EXPECT_TRUE(page.flow().ownPage());
    QWebEnginePage* web = webPage(page);
    EXPECT_EQ(runScript(web, "document.body.style.overflowY"), "hidden");
    EXPECT_EQ(runScript(web, "document.body.style.borderStyle"), "none");

    // A link followed inside the page opens in the browser; the page stays.
    runScript(web, "document.getElementById('link').click(); 'clicked'");
    ASSERT_TRUE(handed.count() > 0 || handed.wait(kLoadWaitMs));
    EXPECT_EQ(handed.at(0).at(0).toString(), site.base() + "/ru/games.htm");
    EXPECT_EQ(browser.opened, QStringList{site.base() + "/ru/games.htm"});
    EXPECT_EQ(runScript(web, "document.getElementById('here').textContent"), "/ru/updweb/web/index1.htm");

    // The button asks for the next page, afresh.
    loaded.clear();
    click(page.btnRefresh);
    EXPECT_EQ(page.btnRefresh->text(), "Далее");
    ASSERT_EQ(waitFor(loaded, site.pages()[1]), true);
    const QString request = site.requests.filter("GET /ru/updweb/web/index2.htm").value(0);
    EXPECT_TRUE(request.contains("Cache-Control: no-cache", Qt::CaseInsensitive)) << qPrintable(request);
    EXPECT_EQ(browser.opened.size(), 1);

    page.reset();
    EXPECT_EQ(page.btnRefresh->text(), "Обновить");
}

TEST(InformationPage, ASiteThatDoesNotAnswerShowsTheLocalPage) {
    QStringList pages;
    {
        Site gone;  // closed again at once: its port answers nothing
        pages = gone.pages();
    }
    InfoPage page(nullptr, [] { return true; }, pages);
    page.show();
    QSignalSpy loaded(&page, &InfoPage::pageLoaded);
    ASSERT_EQ(waitFor(loaded, pages[0]), false);
    ASSERT_EQ(waitFor(loaded, kLocalPage), true);
    EXPECT_EQ(page.flow().index(), 1);
}

TEST(InformationPage, WithoutTheWebEnginesProcessTheLocalWordsAreShown) {
    // Qt WebEngine ends the program at its first web object when its
    // process is missing; the page must not make one then.
    const QByteArray before = qgetenv("QTWEBENGINEPROCESS_PATH");
    EXPECT_TRUE(webEngineProcessFound());
    qputenv("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
    EXPECT_FALSE(webEngineProcessFound());
    {
        Browser browser;
        InfoPage page(nullptr, [] { return true; });
        page.show();
        EXPECT_TRUE(page.started());
        EXPECT_EQ(page.view(), nullptr);
        EXPECT_TRUE(page.fallback()->isVisible());
        EXPECT_TRUE(page.fallback()->text().contains("Обновить"));
        for (int i = 0; i < 3; ++i) page.btnRefresh->click();
        EXPECT_TRUE(page.fallback()->isVisible());
        EXPECT_EQ(browser.opened.size(), 0);
        page.reset();
        EXPECT_EQ(page.btnRefresh->text(), "Обновить");
    }
    if (before.isEmpty()) qunsetenv("QTWEBENGINEPROCESS_PATH");
    else qputenv("QTWEBENGINEPROCESS_PATH", before);
}

TEST(AboutWindow, APictureCardThatClosesOnAClickAndLinksToTheSite) {
    Browser browser;
    about::Tabout about;
    EXPECT_EQ(about.size(), QSize(341, 313));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about.objectName(), "about");
    EXPECT_EQ(about.Image1->geometry(), QRect(0, 0, 341, 313));
    EXPECT_EQ(about.Image2->geometry(), QRect(40, 32, 105, 105));
    EXPECT_EQ(about.abcURLLabel1->geometry(), QRect(80, 288, 185, 13));
    EXPECT_EQ(about.abcURLLabel1->cursor().shape(), Qt::PointingHandCursor);
    // The card is painted when first shown, not at every start.
    EXPECT_TRUE(about.Image1->pixmap().isNull());

    about.show();
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_FALSE(about.Image2->pixmap().isNull());
    click(about.abcURLLabel1);
    EXPECT_EQ(browser.opened, QStringList{web::homePage()});
    EXPECT_TRUE(about.isVisible());
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(about.isVisible());
    about.show();
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(60, 60));  // on the emblem
    EXPECT_FALSE(about.isVisible());
}

TEST(Cabinet, TheSettingsButtonShowsTheDialogAndTheExternalDeckReachesTheCards) {
    const store::StorePaths paths = freshPaths();
    ASSERT_TRUE(installDeck(QStringLiteral(SAMPLE_DECK), paths.dataFolder, 5));
    Browser browser;
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    TForm2* f = w.settingsDialog();
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->parentWidget(), &w);

    w.controller().click(Ctl::btnoptions);
    ASSERT_TRUE(f->isVisible());
    EXPECT_TRUE(f->RadioButton5->isChecked());
    EXPECT_FALSE(f->isModal());
    ASSERT_EQ(f->ComboBox2->count(), 1);
    EXPECT_EQ(f->ComboBox2->itemText(0), "Слоновая кость: четыре цвета мастей, №05");
    EXPECT_EQ(f->ComboBox2->currentIndex(), 0);

    f->PageControl1->setCurrentIndex(4);
    clickRadio(f->p3);
    click(f->Ok);
    ASSERT_FALSE(f->isVisible());
    Machine& m = w.controller().machine;
    EXPECT_TRUE(m.state.externalDeck);
    EXPECT_TRUE(f->decks().loaded());

    // The ace of hearts on the table comes from the deck: its ivory stock.
    m.showCard(0, 1);
    w.render();
    auto* im1 = w.panel1()->findChild<QWidget*>("Im1");
    ASSERT_NE(im1, nullptr);
    const QImage shown = im1->grab().toImage();
    const QImage deck = f->decks().picture("AH0").scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage own = talvern::art::renderCardPicture(u"AH2", shown.devicePixelRatio());
    const QPoint spot(shown.width() / 2, shown.height() * 3 / 8);
    auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) < 12 && std::abs(qGreen(a) - qGreen(b)) < 12 && std::abs(qBlue(a) - qBlue(b)) < 12;
    };
    EXPECT_TRUE(near(shown.pixel(spot), deck.pixel(spot)));
    EXPECT_FALSE(near(shown.pixel(spot), own.pixel(spot)));

    // The built-in deck again: the next card shown is the machine's own.
    w.controller().click(Ctl::btnoptions);
    clickRadio(f->p2);
    click(f->Ok);
    EXPECT_FALSE(m.state.externalDeck);
    m.showCard(0, 1);
    w.render();
    const QImage again = im1->grab().toImage();
    EXPECT_TRUE(near(again.pixel(spot), own.pixel(spot)));

    // The about button shows the card modally over the cabinet.
    bool shownModally = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        shownModally = modal == w.aboutWindow();
        if (modal) QTest::mouseClick(modal, Qt::LeftButton, {}, QPoint(200, 200));
    });
    w.controller().click(Ctl::btnabout);
    EXPECT_TRUE(shownModally);
    EXPECT_FALSE(w.aboutWindow()->isVisible());
}

// How far two pictures of the same size lie apart: the mean difference of
// their channels, 0 to 255.
double distance(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

// In Deuces Wild every two shows its wild picture, and with an external deck
// that is the deck's own; with the built-in deck again, the machine's.
TEST(Cabinet, InDeucesWildTheExternalDeckDrawsTheWildDeucesToo) {
    const store::StorePaths paths = freshPaths();
    ASSERT_TRUE(installDeck(QStringLiteral(SAMPLE_DECK), paths.dataFolder, 5));
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    TForm2* f = w.settingsDialog();
    Machine& m = w.controller().machine;
    w.controller().click(Ctl::btnoptions);
    ASSERT_TRUE(f->isVisible());
    f->ComboBox1->setCurrentIndex(2);  // "Deuces Wild"
    f->PageControl1->setCurrentIndex(4);
    clickRadio(f->p3);
    click(f->Ok);
    ASSERT_TRUE(m.state.externalDeck);
    ASSERT_EQ(m.options.variant, Variant::DeucesWild);

    auto* im1 = w.panel1()->findChild<QWidget*>("Im1");
    ASSERT_NE(im1, nullptr);
    const QImage ownWild = talvern::art::renderCardPicture(u"2H4", 2.0);
    for (auto [code, name] : {std::pair{2, "2H4"}, std::pair{15, "2B4"}, std::pair{28, "2K4"}, std::pair{41, "2V4"}}) {
        EXPECT_EQ(m.cards.name(code), name);
        m.showCard(0, code);
        w.render();
        const QImage shown = im1->grab().toImage();
        const QImage deck = f->decks().picture(QString::fromLatin1(name));
        ASSERT_FALSE(deck.isNull()) << name;
        EXPECT_LT(distance(shown, deck), 2.0) << name;
        EXPECT_GT(distance(shown, talvern::art::renderCardPicture(QString::fromLatin1(name), 2.0)), 5.0) << name;
    }

    // The built-in deck again: the same names show the machine's wild deuce,
    // not the deck's picture kept from before.
    w.controller().click(Ctl::btnoptions);
    clickRadio(f->p2);
    click(f->Ok);
    ASSERT_FALSE(m.state.externalDeck);
    EXPECT_EQ(m.cards.name(2), "2H4");
    m.showCard(0, 2);
    w.render();
    const QImage again = im1->grab().toImage();
    EXPECT_LT(distance(again, ownWild), 2.0);
    EXPECT_GT(distance(again, f->decks().picture("2H4")), 5.0);
}

// Each load of credits shows at once in "Эта игра" of "Заряжено", with the
// dialog open beside the cabinet.
TEST(Cabinet, ALoadShowsInTheOpenDialogAtOnce) {
    freshPaths();
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    TForm2* f = w.settingsDialog();
    w.controller().click(Ctl::btnoptions);
    ASSERT_TRUE(f->isVisible());
    f->PageControl1->setCurrentIndex(3);
    EXPECT_EQ(f->CreditThisRun[0]->text(), "0");
    auto* pay = w.panel1()->findChild<QWidget*>("btnpay");
    click(pay);
    EXPECT_EQ(f->CreditThisRun[0]->text(), "100");
    click(pay);
    click(pay);
    EXPECT_EQ(f->CreditThisRun[0]->text(), "300");
    EXPECT_TRUE(f->isVisible());
}

// The cabinet makes the dialog's pages when they are first needed: a load
// before that is kept by the flow and shows once the pages are made.
TEST(Cabinet, TheDialogsPagesAreMadeWhenFirstShown) {
    freshPaths();
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    TForm2* f = w.settingsDialog();
    EXPECT_FALSE(f->controlsBuilt());
    EXPECT_EQ(f->PageControl1, nullptr);
    click(w.panel1()->findChild<QWidget*>("Panel2"));
    click(w.panel1()->findChild<QWidget*>("btnpay"));
    EXPECT_FALSE(f->controlsBuilt());
    w.controller().click(Ctl::btnoptions);
    ASSERT_TRUE(f->isVisible());
    ASSERT_TRUE(f->controlsBuilt());
    EXPECT_EQ(f->PageControl1->count(), 6);
    EXPECT_TRUE(f->PageControl1->isVisible());
    EXPECT_TRUE(f->Ok->isVisible());
    f->PageControl1->setCurrentIndex(3);
    EXPECT_EQ(f->CreditThisRun[0]->text(), "100");
}

// The viewer's text area is made when it is first needed, and then holds
// the log with this run's opening lines.
TEST(Cabinet, TheHistoryViewerShowsTheLogWhenFirstOpened) {
    freshPaths();
    TTalvern w;
    w.pacer().setTimeScale(0);
    w.show();
    store::TForm6* viewer = w.historyViewer();
    EXPECT_FALSE(viewer->controlsBuilt());
    w.controller().click(Ctl::btnoptions);
    TForm2* f = w.settingsDialog();
    ASSERT_TRUE(f->isVisible());
    f->PageControl1->setCurrentIndex(0);
    QString shown;
    bool visible = false;
    QTimer::singleShot(0, viewer, [&] {
        visible = viewer->Memo1 && viewer->Memo1->isVisible() && viewer->Button1->isVisible();
        if (viewer->Memo1) shown = viewer->Memo1->toPlainText();
        viewer->Button1 ? viewer->Button1->click() : viewer->reject();
    });
    click(f->findChild<QAbstractButton*>(QStringLiteral("Button1")));
    EXPECT_TRUE(visible);
    EXPECT_TRUE(shown.contains(QStringLiteral("Игра номер  1"))) << shown.toStdString();
    EXPECT_FALSE(viewer->isVisible());
}

} // namespace
} // namespace talvern::settings::test

#include "windows_test.moc"
