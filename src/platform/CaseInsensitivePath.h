#pragma once

#include <QString>

// Pages written on Windows name their files without regard to letter case
// (src=shared.js for Shared.js). Finds the file such a path means: the path
// itself when it names a file, else the one file whose path differs from it
// only in the case of its letters, folder by folder. Empty when there is no
// such file or more than one.
namespace CaseInsensitivePath {

QString find(const QString &path);

} // namespace CaseInsensitivePath
