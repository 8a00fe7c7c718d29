#pragma once

#include <QString>

struct AppContext;
class DhtmlEdit;
class QUrl;
class QWidget;
class TextBuffer;

// ■ファイル「今のブラウザ用に書き出し…」: the page as the program writes it,
// exported with its runtime into a folder the user picks.
class ModernExportCommand
{
public:
    static const QString FolderTitle;
    static const QString DefaultPageName; // for a page the program keeps in a temporary file

    ModernExportCommand(AppContext &app, DhtmlEdit *surface, TextBuffer *pageCopy, QWidget *owner)
        : m_app(app), m_surface(surface), m_pageCopy(pageCopy), m_owner(owner)
    {
    }

    void ExportPage();
    // The name the page gets in the folder: its own, unless it is one of the program's temporary pages.
    static QString pageNameFor(const QUrl &documentUrl, const QString &programFolder);

private:
    AppContext &m_app;
    DhtmlEdit *m_surface;
    TextBuffer *m_pageCopy;
    QWidget *m_owner;
    QString m_lastFolder;
};
