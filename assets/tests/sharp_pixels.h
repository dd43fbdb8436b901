// SPDX-License-Identifier: GPL-3.0-or-later
// For the Qt tests of both programs: a screen of twice the density, and whether a picture grabbed
// there was enlarged whole.
#pragma once

#include <QApplication>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QTest>

namespace kelvaro {

// True when every 2 x 2 block of device pixels inside `area` (logical pixels) has one colour.
inline bool blocky(const QImage& image, QRect area)
{
    for (int y = area.top() * 2; y < (area.bottom() + 1) * 2; y += 2)
        for (int x = area.left() * 2; x < (area.right() + 1) * 2; x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c)
                return false;
        }
    return true;
}

// How many colours the device pixels inside `area` (logical pixels) hold.
inline int colours(const QImage& image, QRect area)
{
    QSet<QRgb> seen;
    for (int y = area.top() * 2; y < (area.bottom() + 1) * 2; ++y)
        for (int x = area.left() * 2; x < (area.right() + 1) * 2; ++x)
            seen.insert(image.pixel(x, y));
    return seen.size();
}

// A Qt Test main() for `Test`, run with every screen at twice the density.
template <class Test>
int runAtTwiceTheDensity(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace kelvaro
