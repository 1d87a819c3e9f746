#pragma once

#include <QString>

namespace obzorka {

struct GuideState;

// Makes the data folder and its subfolders (bmp/obr, bmp/banner, temp) and fills the folder
// paths of the state. Returns false with a Czech message when the folder cannot be made.
bool prepareDataFolder(const QString& folder, GuideState& state, QString* error);

// Copies the pictures and sounds that pages and the tray read from disk out of the program
// into the data folder, when the folder has none yet or they came with another version.
// Returns false with a Czech message when a file cannot be written.
bool installFiles(const QString& folder, QString* error);

} // namespace obzorka
