#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace artwork
{
// One picture to write: its file name under the output directory, and the
// bitmap id the desktop program knows it by (0 for the icons).
struct TPicture
{
    QString m_fileName;
    int m_nBitmapId;
    QImage m_image;
};

// Every picture of the desktop program: the 52 faces (bitmaps 144 to 195),
// the back (142), the deck (143) and the eleven opponents' hands, each once as
// is and once at twice the density for high-density screens; then the icons.
std::vector<TPicture> DrawAllPictures();

// "bitmap<id>.png", or "bitmap<id>@2x.png" for the pictures at ratio 2.
QString BitmapFileName(int bitmapId, double ratio);
}  // namespace artwork
