#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The look of the page, in one place.

// The three colours that give the table its look.
inline const QColor kFeltGreen(0, 128, 0);     // page, text cells, lists
inline const QColor kGold(255, 196, 35);       // captions, headings, list and box text
inline const QColor kNoteOrange(255, 128, 0);  // the note about the second table

// Gold text on felt green for the lists and text boxes on the page.
void SetGoldOnFelt(QWidget* widget);

// The small face of the tables and the suggestions: a dialog's rather than
// the desktop's, so the three fitted columns fit the 340-pixel band.
QFont TableFont();

// A stored text, as Qt shows it.
QString Text(unsigned id);
