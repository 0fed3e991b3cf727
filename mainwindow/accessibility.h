#pragma once
// What a screen reader says of the cabinet: names and descriptions, in the
// machine's language, for the card places, hold markers, buttons, displays,
// pay lines and message lines, kept up to date from the presentation model.
#include <QString>

#include "cabinet.h"

class QWidget;

namespace talvern {

// "туз червей", "джокер", "рубашка" ...
QString spokenCard(Card c);

// Names every control of Panel1 once (by object name).
void nameCabinetControls(QWidget* panel1);
// Brings the descriptions in line with the model.
void describeCabinet(QWidget* panel1, const Cabinet& cab);

} // namespace talvern
