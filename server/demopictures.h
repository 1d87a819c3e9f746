#pragma once

#include <QByteArray>
#include <QString>

// The demo's pictures, drawn rather than shipped: illustrations of programmes and a logo.
namespace obzorka::server::demo {

constexpr int illustrationCount = 30;

// The file name of illustration 1 to illustrationCount.
QString illustrationName(int number);

// A PNG of 274 by 180 pixels, the same for the same number and seed: a landscape, shapes or
// rays, by the number.
QByteArray illustration(int number, quint32 seed);

// Obzorka's logo, a PNG of 64 by 64 pixels.
QByteArray logo();

} // namespace obzorka::server::demo
