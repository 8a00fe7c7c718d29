#pragma once

#include <QString>

// Opening a file with the desktop's program for it (the default browser for a
// page, the text editor for a text file). Tests install a recorder.
class ShellOpen
{
public:
    virtual ~ShellOpen() = default;
    virtual bool open(const QString &path) = 0;

    // Opens path through the installed implementation; false when nothing could open it.
    static bool file(const QString &path);
    static void install(ShellOpen *replacement);
};

class DesktopShellOpen : public ShellOpen
{
public:
    bool open(const QString &path) override;
};
