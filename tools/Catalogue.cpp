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

QString BitmapFileName(int bitmapId)
{
    return QStringLiteral("bitmap%1.png").arg(bitmapId);
}

std::vector<TPicture> DrawAllPictures()
{
    std::vector<TPicture> pictures;
    for (int cardIndex = 0; cardIndex < 52; ++cardIndex)
    {
        const int id = kFirstFaceId + cardIndex;
        pictures.push_back({BitmapFileName(id), id, DrawCardFace(cardIndex)});
    }
    pictures.push_back({BitmapFileName(kBackId), kBackId, DrawCardBack()});
    pictures.push_back({BitmapFileName(kDeckId), kDeckId, DrawDeck()});
    for (const auto& [id, image] : DrawFannedHands())
        pictures.push_back({BitmapFileName(id), id, image});
    pictures.push_back({QStringLiteral("icon128.png"), 0, DrawIcon(128)});
    pictures.push_back({QStringLiteral("quintara.png"), 0, DrawIcon(256)});
    return pictures;
}
}  // namespace artwork
