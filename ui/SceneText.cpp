#include "SceneText.h"

#include "Style.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

QFont MakeFont(int pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    return font;
}

// The captions are sized by the height of the whole text cell (ascent plus
// descent), 20 pixels; Qt sizes fonts by the em. Take the largest em whose
// cell still fits.
int PixelSizeForCellHeight(int cellHeight)
{
    for (int size = cellHeight; size > 1; --size) {
        if (QFontMetrics(MakeFont(size)).height() <= cellHeight)
            return size;
    }
    return 1;
}

}  // namespace

void DrawSceneText(QPainter& painter, const QString& text, const QRect& rect, int flags)
{
    static const int pixelSize = PixelSizeForCellHeight(20);
    const QFont font = MakeFont(pixelSize);
    const QFontMetrics metrics(font);

    // The text cell is the text's advance by ascent plus descent, placed in
    // rect the way the flags ask; Qt's own bounding box would add the leading.
    const QSize cellSize(metrics.horizontalAdvance(text), metrics.height());
    int x = rect.left();
    if (flags & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - cellSize.width()) / 2;
    else if (flags & Qt::AlignRight)
        x = rect.left() + rect.width() - cellSize.width();
    int y = rect.top();
    if (flags & Qt::AlignVCenter)
        y = rect.top() + (rect.height() - cellSize.height()) / 2;
    else if (flags & Qt::AlignBottom)
        y = rect.top() + rect.height() - cellSize.height();
    const QRect cell(QPoint(x, y), cellSize);

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.fillRect(cell, kFeltGreen);
    painter.setFont(font);
    painter.setPen(kGold);
    painter.drawText(QPoint(cell.left(), cell.top() + metrics.ascent()), text);
    painter.restore();
}
