#pragma once

#include <QRect>
#include <QString>

class QPainter;

// Captions and headings: gold bold "Arial", 20 pixels of cell height, on a
// felt-green text cell, in rect (page coordinates) with Qt alignment flags
// (Qt::AlignLeft or Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine).
// The painter is left exactly as it was found.
void DrawSceneText(QPainter& painter, const QString& text, const QRect& rect, int flags);
