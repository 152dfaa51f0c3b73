#pragma once

#include <QString>
#include <QStringList>

// The one place where the program's fixed paths ("c:\_halden\motra\skala1.txt") become
// host paths. The folder in the environment variable MOTRA_ROOT stands for the root of
// drive C:; without it the root is defaultRoot(). Backslashes become folder separators,
// and a component missing in the exact spelling matches an existing entry that differs
// only in letter case, as file names do on the program's home platform.

// The folder standing for drive C: ($MOTRA_ROOT, or defaultRoot()).
QString motraRoot();
// $XDG_DATA_HOME/motra/c (normally ~/.local/share/motra/c).
QString defaultRoot();
// A fixed path ("c:\..." or "C:/...") as a host path. Texts without a drive letter are
// taken as host paths already and returned unchanged.
QString hostPath(const QString &fixedPath);
// The names of the files in a fixed folder that match a mask such as "*.DA1" or "*.mtr",
// compared without regard to letter case, sorted by name. Empty when the folder is missing.
QStringList matchingFiles(const QString &fixedFolder, const QString &mask);

// The fixed path ("c:\_halden\motra\stat\_sum.dat") of a host path that lies under the
// folder standing for drive C:, or an empty text when it lies elsewhere.
QString fixedPathOf(const QString &hostPath);
// The path as the user knows it: the fixed path where there is one, else the host path.
QString shownPath(const QString &hostPath);
// Why an existing host path cannot be read or written as a file ("ez egy mappa, nem fájl",
// a FIFO, a device), or an empty text for a regular file or a path that does not exist.
QString notRegularFileReason(const QString &hostPath);
// For a path whose open failed because it does not exist: the first folder on the way that
// is missing or is a file instead of a folder, or an empty text when only the file is missing.
QString missingFolderReason(const QString &hostPath);
