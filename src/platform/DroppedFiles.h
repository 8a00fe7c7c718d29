#pragma once

#include <QStringList>

#include <functional>

class QEvent;
class QMimeData;

// Files of this machine carried by a drag and drop: the program opens them
// itself; other data (text, addresses, markup) is left to whoever takes it.
namespace DroppedFiles {
// The paths when every item of the data is a local file; empty otherwise.
QStringList localFiles(const QMimeData *data);
// Accepts a drag of local files and, at the drop, hands them to take.
// False for every other event, which then goes on as before.
bool handle(QEvent *event, const std::function<void(const QStringList &files)> &take);
} // namespace DroppedFiles
