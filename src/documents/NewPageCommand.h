#pragma once

class DhtmlEdit;
class PageSaver;

// Starts an empty page, after offering to save the one on the surface.
class NewPageCommand
{
public:
    NewPageCommand(DhtmlEdit *surface, PageSaver &saver) : m_surface(surface), m_saver(saver) {}

    void NewPage();

private:
    DhtmlEdit *m_surface;
    PageSaver &m_saver;
};
