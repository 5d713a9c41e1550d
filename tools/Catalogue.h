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
// the back (142), the deck (143), the eleven opponents' hands and the icons.
std::vector<TPicture> DrawAllPictures();

QString BitmapFileName(int bitmapId);
}  // namespace artwork
