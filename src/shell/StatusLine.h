#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class DhtmlEdit;
class QLabel;
class QLineEdit;
class QStatusBar;
class TextBuffer;

// The main window's status bar: the page's file (or that it is new), whether
// it changed since it was opened or saved, the mode, and the charset a save
// writes it in.
class StatusLine : public QObject
{
    Q_OBJECT
public:
    static const QString NewPageText;
    static const QString ChangedText;
    static const QString UnchangedText;

    // The mode is the one the mode indicator shows; the charset is the one
    // the page copy declares.
    StatusLine(QStatusBar *bar, DhtmlEdit *surface, QLineEdit *modeIndicator, TextBuffer *pageCopy);

    // Reads everything again (the page copy has no signal of its own).
    void refresh();

    // How the status bar names a charset.
    static QString charsetName(const QByteArray &charset);

private:
    DhtmlEdit *m_surface;
    QLineEdit *m_modeIndicator;
    TextBuffer *m_pageCopy;
    QLabel *m_page = nullptr;
    QLabel *m_changed = nullptr;
    QLabel *m_mode = nullptr;
    QLabel *m_charset = nullptr;
};
