#pragma once

#include <QString>

#include <optional>

struct AppContext;
class CommonDialog;
class QLineEdit;

// The file choices and templates of the effect dialogs.
namespace EffectFiles {
extern const QString PictureFilter; // GIF, JPG, all files
extern const QString PageFilter;    // HTM, HTML

// Shows dialog's Open with filter and puts the chosen name into box; a
// cancelled choice leaves the box as it was.
void choose(CommonDialog *dialog, const QString &filter, QLineEdit *box);

// A template beside the program, every line followed by CR LF; when it cannot
// be read the user is told which file, and nothing is returned.
std::optional<QString> loadTemplate(AppContext &app, const QString &name);
} // namespace EffectFiles
