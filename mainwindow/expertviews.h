#pragma once
// The expert on the cabinet: the hint's line above the cards, the marks
// round the cards it keeps, and the line of a risk game's odds. Like the rest
// of the window they only show what the flow's ExpertView says.
#include <QWidget>

#include <array>

#include "expert.h"
#include "media/cabinet/expertart.h"

namespace talvern {

// One line of the expert's words.
class ExpertLine : public QWidget {
public:
    using QWidget::QWidget;
    void set(const QString& text, art::ExpertLook look);
    const QString& text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    art::ExpertLook look_ = art::ExpertLook::Advice;
};

// The ring round a card the hint keeps.
class AdviceMark : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override;
};

class ExpertPanel {
public:
    // Places the lines and marks on Panel1 (named "Hint", "Odds", "Tip1".."Tip5").
    explicit ExpertPanel(QWidget* panel1);
    void render(const ExpertView& view);

private:
    ExpertLine* hint_;
    ExpertLine* odds_;
    std::array<AdviceMark*, 5> marks_{};
};

} // namespace talvern
