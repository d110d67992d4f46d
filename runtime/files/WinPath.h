#pragma once

#include <QString>

namespace runtime {

// Game and settings paths are Windows paths built by plain concatenation
// ("C:\Games\BF2142" + "\mods\bf2142\init.con"). This turns such a path into
// a path on the host: backslashes become separators, a leading drive letter
// goes through the drive map, and every component is matched without regard
// to letter case (an exact match wins). A file about to be created in a
// folder that already holds a name differing only in case resolves to that
// file, so the write replaces it instead of adding a second one.
namespace WinPath {

QString toHost(const QString& windowsPath);

// Folder that holds the drive links ("c:", "d:", ...). On POSIX hosts this
// defaults to Wine's "$WINEPREFIX/dosdevices" (prefix "~/.wine").
QString driveMapFolder();
void setDriveMapFolder(const QString& folder); // empty restores the default

} // namespace WinPath
} // namespace runtime
