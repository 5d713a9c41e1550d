#include "ContactSheet.h"

#include "Palette.h"

#include <QFont>
#include <QPainter>

#include <map>

namespace artwork
{
namespace
{
class CSheetPainter
{
public:
    CSheetPainter(QPainter& painter, const std::vector<TPicture>& pictures) : m_painter(painter)
    {
        for (const TPicture& picture : pictures)
            if (picture.m_nBitmapId != 0 && picture.m_image.devicePixelRatio() == 1)
                m_images[picture.m_nBitmapId] = picture.m_image;
    }

    // Draws a picture as the desktop program does: three pixels at each
    // corner left out, and a selected picture inverted.
    void Blit(int bitmapId, int x, int y, bool selected = false)
    {
        QImage image = m_images.at(bitmapId);
        if (selected)
            image.invertPixels();
        const int w = image.width();
        const int h = image.height();
        m_painter.drawImage(QPoint(x + 1, y + 1), image, QRect(1, 1, w - 2, h - 2));
        m_painter.drawImage(QPoint(x + 2, y), image, QRect(2, 0, w - 4, 1));
        m_painter.drawImage(QPoint(x + 2, y + h - 1), image, QRect(2, h - 1, w - 4, 1));
        m_painter.drawImage(QPoint(x, y + 2), image, QRect(0, 2, 1, h - 4));
        m_painter.drawImage(QPoint(x + w - 1, y + 2), image, QRect(w - 1, 2, 1, h - 4));
    }

    void Label(int x, int y, const QString& text)
    {
        m_painter.setPen(kBackGold);
        m_painter.drawText(QPointF(x, y), text);
    }

    int Width(int bitmapId) const { return m_images.at(bitmapId).width(); }

private:
    QPainter& m_painter;
    std::map<int, QImage> m_images;
};

struct TSeat
{
    int m_nBitmapId;
    int m_nX;
    int m_nY;
};

// Opponent pictures and page positions for three, four and five opponents.
const std::vector<std::vector<TSeat>> kTables = {
    {{135, 524, 250}, {130, 245, 15}, {137, 10, 251}},
    {{196, 492, 318}, {141, 382, 33}, {138, 79, 33}, {139, 3, 318}},
    {{197, 461, 364}, {132, 462, 108}, {130, 245, 15}, {133, 17, 108}, {198, 16, 364}},
};

void PaintTable(CSheetPainter& sheet, const std::vector<TSeat>& seats)
{
    sheet.Blit(143, 273, 265);
    for (const TSeat& seat : seats)
        sheet.Blit(seat.m_nBitmapId, seat.m_nX, seat.m_nY);
    const int hand[5] = {144 + 9, 144 + 22, 144 + 36, 144 + 50, 142};
    for (int place = 0; place < 5; ++place)
        sheet.Blit(hand[place], 134 + place * 73, 534, place == 1);
}

void PaintPicker(CSheetPainter& sheet, int left, int top)
{
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
        {
            const int cardIndex = 13 * suit + rank;
            sheet.Blit(144 + cardIndex, left + 73 * suit, top + 40 * rank, cardIndex % 7 == 3);
        }
}
}  // namespace

QImage DrawContactSheet(const std::vector<TPicture>& pictures)
{
    QImage sheet(2240, 1330, QImage::Format_RGB32);
    sheet.fill(kFeltGreen);
    QPainter painter(&sheet);
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    painter.setFont(font);
    CSheetPainter blitter(painter, pictures);

    for (int cardIndex = 0; cardIndex < 52; ++cardIndex)
        blitter.Blit(144 + cardIndex, 10 + 77 * (cardIndex % 13), 10 + 102 * (cardIndex / 13));
    for (const TPicture& picture : pictures)
        if (picture.m_nBitmapId == 0)
            painter.drawImage(QPoint(picture.m_image.width() == 128 ? 1030 : 1180, 10), picture.m_image);

    PaintPicker(blitter, 10, 440);
    for (std::size_t table = 0; table < kTables.size(); ++table)
    {
        painter.save();
        painter.translate(320 + 640 * static_cast<int>(table), 430);
        painter.setPen(QColor(0, 100, 0));
        painter.drawRect(0, 10, 630, 620);
        PaintTable(blitter, kTables[table]);
        painter.restore();
    }

    int x = 10;
    for (int id : {142, 143, 130, 135, 137, 132, 133, 196, 139, 141, 138, 197, 198})
    {
        blitter.Blit(id, x, 1090);
        blitter.Label(x, 1085, QString::number(id));
        x += blitter.Width(id) + 12;
    }
    return sheet;
}
}  // namespace artwork
