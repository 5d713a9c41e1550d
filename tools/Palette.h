#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Colours and sizes shared by every picture, so the cards, the backs and the
// table surround stay consistent with one another.
namespace artwork
{
inline const QSize kCardSize(71, 96);
inline const QSize kDeckSize(85, 110);

inline const QColor kFeltGreen(0, 128, 0);
inline const QColor kCardWhite(255, 255, 255);
inline const QColor kCardBorder(128, 128, 128);
inline const QColor kRedSuit(200, 0, 0);
inline const QColor kBlackSuit(0, 0, 0);

inline const QColor kBackGold(255, 196, 35);
inline const QColor kBackGoldDark(214, 150, 10);
inline const QColor kBackGoldLight(255, 226, 120);
inline const QColor kBackEdge(120, 80, 0);
inline const QColor kCrownBlue(24, 58, 170);
inline const QColor kCrownBlueDark(10, 28, 96);
inline const QColor kCrownBlueLight(96, 140, 235);

// Corner radius of every card outline: the desktop program leaves three pixels
// per corner undrawn, which this radius keeps outside the card.
inline constexpr double kCardCornerRadius = 3.5;

// An empty picture of `size` logical pixels holding `ratio` device pixels per
// logical one; a painter on it draws in logical coordinates, so every drawing
// serves both the ordinary and the high-density pictures.
inline QImage NewPicture(const QSize& size, double ratio, QImage::Format format)
{
    QImage image(size * ratio, format);
    image.setDevicePixelRatio(ratio);
    return image;
}

inline bool IsRedSuit(int suit) { return suit == 1 || suit == 2; }
inline QColor SuitColour(int suit) { return IsRedSuit(suit) ? kRedSuit : kBlackSuit; }
}  // namespace artwork
