// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' pictures by name, as loaded from the resources built into them.
#pragma once

#include <QImage>
#include <QString>

namespace kelvaro {

// The picture assets/images/NAME.png as 32-bit ARGB; a null image if there is none.
QImage artImage(const QString& name);

} // namespace kelvaro
