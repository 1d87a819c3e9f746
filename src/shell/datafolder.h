#pragma once

#include <QString>

namespace obzorka {

struct GuideState;

// Makes the data folder and its subfolders (bmp/obr, bmp/banner, temp) and fills the folder
// paths of the state. Returns false with a Czech message when the folder cannot be made.
bool prepareDataFolder(const QString& folder, GuideState& state, QString* error);

} // namespace obzorka
