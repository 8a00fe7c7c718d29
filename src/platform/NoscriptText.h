#pragma once

#include <QString>

// A page whose scripts are off (the edit page, a parser without a window) reads
// <noscript> as markup; in the head that moves its content, and all that
// follows, into the body, and the page would be saved so. For such parsing,
// keep() wraps the content of every <noscript>, as it reads with scripts on, in
// a comment the engine leaves where it is; the serializer unwraps it.
namespace NoscriptText {
QString keep(const QString &html);
}
