#include "GraphicObject.h"

#include "Bitmaps.h"

#include <QPainter>

void CGraphicObject::SetBitmap(unsigned id)
{
    m_bitmapId = id;
    const QImage image = LoadBitmap(id);
    // A picture that is not there yet still takes its place on the table.
    const QSize size = image.isNull() ? CatalogueSize(id) : image.deviceIndependentSize().toSize();
    m_width = size.width();
    m_height = size.height();
}

void CGraphicObject::Draw(QPainter& target) const
{
    if (!m_visible)
        return;
    // The dense picture on a dense target, so that nothing is scaled up.
    const qreal targetRatio = target.device() ? target.device()->devicePixelRatio() : 1.0;
    QImage image = LoadBitmap(m_bitmapId, targetRatio);
    if (image.isNull())
        return;
    if (m_selected)
        image.invertPixels(QImage::InvertRgb);  // detaches: the stored picture stays as it is

    const int x = m_x;
    const int y = m_y;
    const int w = m_width;
    const int h = m_height;
    if (w < 4 || h < 4)
        return;
    // Source rectangles are in the picture's own pixels, s per logical pixel;
    // the corners left out are logical pixels, whatever the density.
    const int s = qMax(1, qRound(image.devicePixelRatio()));
    const auto source = [s](int left, int top, int width, int height) {
        return QRect(left * s, top * s, width * s, height * s);
    };
    // Five pieces leave out (0,0), (1,0), (0,1) and their mirror images at the
    // other corners, so the cards look rounded over whatever lies beneath.
    target.drawImage(QPoint(x + 1, y + 1), image, source(1, 1, w - 2, h - 2));
    target.drawImage(QPoint(x + 2, y), image, source(2, 0, w - 4, 1));
    target.drawImage(QPoint(x + 2, y + h - 1), image, source(2, h - 1, w - 4, 1));
    target.drawImage(QPoint(x, y + 2), image, source(0, 2, 1, h - 4));
    target.drawImage(QPoint(x + w - 1, y + 2), image, source(w - 1, 2, 1, h - 4));
}
