// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the built-in pictures.
#include "assets/art.h"

namespace kelvaro {

QImage artImage(const QString& name)
{
    return QImage(":/images/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
}

} // namespace kelvaro
