#pragma once

#include <QWidget>

class QPlainTextEdit;

// A read-only window of one of the program's own text files (help, the
// tutorial, the notes on effects): always there to read them, whatever
// program the desktop has, or takes, for a text file.
class TextWindow : public QWidget
{
    Q_OBJECT
public:
    // Shows the file's text, in the one window of that file if it is open; nullptr
    // when the file cannot be read, with its errno in *error.
    static TextWindow *showFile(const QString &path, QWidget *owner, int *error);

    QString path() const { return m_path; }
    QPlainTextEdit *text() const { return m_text; }

private:
    TextWindow(const QString &path, const QString &text, QWidget *owner);

    QString m_path;
    QPlainTextEdit *m_text;
};
