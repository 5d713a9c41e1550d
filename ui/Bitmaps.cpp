#include "Bitmaps.h"

#include <QHash>
#include <QString>

namespace {

QImage DecodeBitmap(unsigned id, int density)
{
    QImage image(density > 1 ? QStringLiteral(":/images/bitmap%1@%2x.png").arg(id).arg(density)
                             : QStringLiteral(":/images/bitmap%1.png").arg(id));
    if (image.isNull())
        return image;
    // One fixed pixel format, so that drawing into the page buffer is a copy
    // and inverting a picture flips exactly its colours.
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    return image;
}

}  // namespace

QImage LoadBitmap(unsigned id, qreal devicePixelRatio)
{
    // Every paint draws the whole page, up to 63 pictures; decoding each PNG
    // anew would cost most of the paint. Decoded pictures are kept and handed
    // out as implicitly shared copies, so a caller that changes its copy (the
    // inverted selection) never changes what the next caller gets.
    static QHash<unsigned, QImage> decoded;
    const unsigned key = id & 0xFFFFu;
    if (devicePixelRatio >= 2) {
        const unsigned denseKey = key | 0x10000u;
        auto found = decoded.constFind(denseKey);
        if (found == decoded.constEnd())
            found = decoded.insert(denseKey, DecodeBitmap(key, 2));
        if (!found.value().isNull())
            return found.value();
    }
    auto found = decoded.constFind(key);
    if (found == decoded.constEnd())
        found = decoded.insert(key, DecodeBitmap(key, 1));
    return found.value();
}

QSize CatalogueSize(unsigned id)
{
    const unsigned key = id & 0xFFFFu;
    if (key == kBitmapCardBack || (key >= kBitmapFirstCard && key < kBitmapFirstCard + 52))
        return QSize(71, 96);
    switch (key) {
    case kBitmapDeck:
        return QSize(85, 110);
    case 130:
        return QSize(139, 96);
    case 135:
    case 137:
        return QSize(96, 139);
    case 132:
    case 133:
        return QSize(151, 167);
    case 196:
    case 139:
        return QSize(134, 162);
    case 141:
    case 138:
        return QSize(169, 159);
    case 197:
    case 198:
        return QSize(153, 168);
    default:
        return QSize();
    }
}
