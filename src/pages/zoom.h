#pragma once

#include <QString>

// The text size of the page panes, in percent of the pages' own sizes.
namespace obzorka::pages::zoom {

inline constexpr int normal = 100;
inline constexpr int smallest = 70;
inline constexpr int largest = 200;

// The next step up or down from `percent`, kept within smallest…largest.
int larger(int percent);
int smaller(int percent);
// A stored or typed value as a step: the nearest one, or normal for a text that is no number.
int fromText(const QString& text);

// The page with every font size its markup names in points or pixels scaled to `percent`; the
// relative sizes (FONT SIZE=+1) follow the pane's own font, which the pane scales.
QString scaledFontSizes(const QString& html, int percent);

} // namespace obzorka::pages::zoom
