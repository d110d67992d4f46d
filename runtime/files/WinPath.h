#pragma once

#include <QString>
#include <QStringList>

namespace runtime {

// Game and settings paths are Windows paths built by plain concatenation
// ("C:\Games\BF2142" + "\mods\bf2142\init.con"). This turns such a path into
// a path on the host: backslashes become separators, a leading drive letter
// goes through the drive map, and every component is matched without regard
// to letter case (an exact match wins). A file about to be created in a
// folder that already holds a name differing only in case resolves to that
// file, so the write replaces it instead of adding a second one.
//
// A path the host hands over (a file dialog's answer) is no Windows path
// and never comes here: see Files::HostPath.
namespace WinPath {

QString toHost(const QString& windowsPath);
// The existing entries the path names on a disk that tells letter case
// apart: the one toHost() gives and every other entry of its folder whose
// name differs from it only in letter case. Empty when there is none.
QStringList toHostCaseVariants(const QString& windowsPath);

// Folder that holds the drive links ("c:", "d:", ...). On POSIX hosts this
// defaults to Wine's "$WINEPREFIX/dosdevices" (prefix "~/.wine").
QString driveMapFolder();
void setDriveMapFolder(const QString& folder); // empty restores the default

} // namespace WinPath
} // namespace runtime
