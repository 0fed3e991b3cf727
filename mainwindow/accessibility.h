#pragma once
// What a screen reader says of the cabinet: names and descriptions, in the
// machine's language, for the card places, hold markers, buttons, displays,
// pay lines and message lines, kept up to date from the presentation model.
#include <QString>

#include "cabinet.h"
#include "expert.h"

class QWidget;

namespace talvern {

// "туз червей", "джокер", "рубашка" ...
QString spokenCard(Card c);

// Names every control of Panel1 once (by object name).
void nameCabinetControls(QWidget* panel1);
// Brings the descriptions in line with the model: the expert's words when it
// speaks, and with keyboard play on each control's keys.
void describeCabinet(QWidget* panel1, const Cabinet& cab, const ExpertView* expert = nullptr,
                     bool keyboardPlay = false);
// What the hint says, for the ear: the cards by their names.
QString spokenHint(const ExpertView& expert, const Cabinet& cab);

} // namespace talvern
