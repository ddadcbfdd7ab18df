#pragma once

#include <QString>

namespace pictova {

// Where the game keeps its files: beside the program file when that folder is writable (a
// portable copy), otherwise in the user's own data folder, so an installed game still works.
QString dataFolder();
QString settingsFilePath(); // "orvilobby.ini" in the data folder
QString snapshotFolder();   // "snapshots" in the data folder

// Tests point the data folder somewhere of their own.
void overrideDataFolder(const QString& folder);

} // namespace pictova
