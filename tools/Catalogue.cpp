#include "Catalogue.h"

#include "CardBack.h"
#include "CardFace.h"
#include "Deck.h"
#include "FannedHands.h"
#include "Icon.h"

namespace artwork
{
namespace
{
constexpr int kFirstFaceId = 144;
constexpr int kBackId = 142;
constexpr int kDeckId = 143;
}  // namespace

QString BitmapFileName(int bitmapId, double ratio)
{
    return ratio > 1 ? QStringLiteral("bitmap%1@%2x.png").arg(bitmapId).arg(ratio)
                     : QStringLiteral("bitmap%1.png").arg(bitmapId);
}

std::vector<TPicture> DrawAllPictures()
{
    std::vector<TPicture> pictures;
    for (const double ratio : {1.0, 2.0})
    {
        for (int cardIndex = 0; cardIndex < 52; ++cardIndex)
        {
            const int id = kFirstFaceId + cardIndex;
            pictures.push_back({BitmapFileName(id, ratio), id, DrawCardFace(cardIndex, ratio)});
        }
        pictures.push_back({BitmapFileName(kBackId, ratio), kBackId, DrawCardBack(ratio)});
        pictures.push_back({BitmapFileName(kDeckId, ratio), kDeckId, DrawDeck(ratio)});
        for (const auto& [id, image] : DrawFannedHands(ratio))
            pictures.push_back({BitmapFileName(id, ratio), id, image});
    }
    pictures.push_back({QStringLiteral("icon128.png"), 0, DrawIcon(128)});
    pictures.push_back({QStringLiteral("quintara.png"), 0, DrawIcon(256)});
    pictures.push_back({QStringLiteral("icon192.png"), 0, DrawMaskableIcon(192)});
    pictures.push_back({QStringLiteral("icon512.png"), 0, DrawMaskableIcon(512)});
    return pictures;
}
}  // namespace artwork
