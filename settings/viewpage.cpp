// " Вид ": in a window or full screen, and whether to remember it.
#include "settingsdialog.h"

#include <QGroupBox>

#include "controls.h"
#include "pagekit.h"
#include "settingsart.h"

namespace talvern::settings {

using namespace pagekit;

void TForm2::buildViewPage(QWidget* page) {
    auto* group = new QGroupBox(QStringLiteral(" Вид "), page);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(78, 24, 550, 392);
    struct Mode {
        bool fullScreen;
        QRadioButton** radio;
        const char* name;
        QString caption;
        int x;
    };
    const Mode modes[] = {{false, &RadioButton5, "RadioButton5", QStringLiteral("В окне"), 60},
                          {true, &RadioButton6, "RadioButton6", QStringLiteral("Во весь экран"), 314}};
    for (const Mode& m : modes) {
        const bool full = m.fullScreen;
        auto* pic = new Picture(full ? QStringLiteral("ImageFull") : QStringLiteral("ImageWindow"),
                                [full](qreal dpr) { return art::displayModePicture(full, dpr); }, group);
        pic->setGeometry(m.x, 40, art::kModePictureSize.width(), art::kModePictureSize.height());
        pic->setCursor(Qt::PointingHandCursor);
        pic->clicked = [this, full] { change([&] { flow_->setFullScreen(full); }); };
        QRadioButton* r = *m.radio = radio(m.name, m.caption, group, {m.x + 30, 184, 150, 26});
        r->setStyleSheet(QStringLiteral("QRadioButton { font-weight: bold; font-size: 13px; }"));
        connect(r, &QAbstractButton::clicked, this, [this, full] { change([&] { flow_->setFullScreen(full); }); });
    }
    label(QStringLiteral("Требуемое разрешение экрана >800x600"), group, {40, 238, 470, 24}, "Dim", Qt::AlignCenter);
    auto* line = new QFrame(group);
    line->setGeometry(60, 282, 430, 1);
    line->setStyleSheet(QStringLiteral("background: rgba(255, 212, 84, 90);"));
    CheckBox3 = check("CheckBox3", QStringLiteral("Запомнить при выходе"), group, {190, 304, 220, 28});
    connect(CheckBox3, &QAbstractButton::toggled, this, [this](bool on) { change([&] { flow_->setRememberDisplayMode(on); }); });
    label(QStringLiteral("Клавиша Esc сворачивает игру, а кнопка в углу\nпереключает окно и полный экран."), group,
          {40, 340, 470, 40}, "Dim", Qt::AlignCenter);
}

void TForm2::renderViewPage(const SettingsModel& m, const store::ExitChoices& e) {
    setChecked(RadioButton5, !m.fullScreen);
    setChecked(RadioButton6, m.fullScreen);
    setChecked(CheckBox3, e.rememberDisplayMode);
}

} // namespace talvern::settings
