#pragma once

#include <QString>

// Opening a file with the desktop's program for it (the default browser for a
// page, the text editor for a text file). Tests record it.
class ShellOpen
{
public:
    virtual ~ShellOpen() = default;
    // False when nothing could open it.
    virtual bool open(const QString &path) = 0;
};

class DesktopShellOpen : public ShellOpen
{
public:
    bool open(const QString &path) override;
};
