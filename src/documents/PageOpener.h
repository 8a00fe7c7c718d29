#pragma once

#include <QString>

struct AppContext;
class DhtmlEdit;
class MessageBoxes;
class PageSaver;

// Opening a page file: as the file screen's OK does it, and as a page named
// on the command line or dropped on the window is opened.
class PageOpener
{
public:
    static const QString UnsavedQuestion;

    PageOpener(AppContext &app, DhtmlEdit *surface, PageSaver &saver) : m_app(app), m_surface(surface), m_saver(saver) {}

    // Loads the file into the surface, which keeps its page when that fails;
    // a failure, and characters that could not be read, are said in boxes.
    static bool load(MessageBoxes &boxes, DhtmlEdit *surface, const QString &path);

    // Asked before another page takes the place of one that changed since it
    // was opened or saved: Yes saves it first. False keeps the page.
    bool mayReplacePage();

    // A page named from outside the file screen: after the question, opened
    // as if it had been chosen in the screen, whose folder then holds the
    // temporary pages of the page's own commands.
    bool openFromOutside(const QString &path);

private:
    AppContext &m_app;
    DhtmlEdit *m_surface;
    PageSaver &m_saver;
};
