#pragma once

class QLineEdit;
class QString;

// Text boxes as wide as the texts they are to show whole.
namespace FieldWidth {

// The width a text box needs to show text whole, frame and margins included.
int forText(const QLineEdit *edit, const QString &text);
// Makes the box at least that wide.
void fit(QLineEdit *edit, const QString &text);

} // namespace FieldWidth
