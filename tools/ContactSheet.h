#pragma once

#include "Catalogue.h"

#include <QImage>

#include <vector>

namespace artwork
{
// A sheet for judging the pictures by eye, not part of the output: all faces,
// the picker's overlapped columns, tables for three to five opponents laid
// out the way the desktop program places them, and every other picture.
QImage DrawContactSheet(const std::vector<TPicture>& pictures);
}  // namespace artwork
