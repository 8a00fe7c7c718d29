#pragma once

struct AppContext;
class DhtmlEdit;
class PageSaver;

// Starts an empty page, after offering to save the one on the surface.
class NewPageCommand
{
public:
    NewPageCommand(AppContext &app, DhtmlEdit *surface, PageSaver &saver) : m_app(app), m_surface(surface), m_saver(saver) {}

    void NewPage();

private:
    AppContext &m_app;
    DhtmlEdit *m_surface;
    PageSaver &m_saver;
};
