#pragma once

#include <QColor>

// The three colours that give the table its look.
inline const QColor kFeltGreen(0, 128, 0);     // page, text cells, lists
inline const QColor kGold(255, 196, 35);       // captions, headings, list and box text
inline const QColor kNoteOrange(255, 128, 0);  // the note about the second table
