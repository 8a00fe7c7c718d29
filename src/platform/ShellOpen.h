#pragma once

#include <QString>

#include <functional>

// Opening a file with the desktop's program for it (the default browser for a
// page). The application context holds one; tests record it.
class MessageBoxes;

class ShellOpen
{
public:
    using Failed = std::function<void(const QString &reason)>;

    virtual ~ShellOpen() = default;
    // Starts opening path; failed is called, at once or when the desktop gives
    // up, with why it could not be opened.
    virtual void open(const QString &path, const Failed &failed) = 0;

    // Opens path; a failure is told to the user with the file's name.
    void openTelling(const QString &path, MessageBoxes &boxes);
    static QString failureMessage(const QString &path, const QString &reason);
};

// The desktop's opener (xdg-open), watched to its end: it finds the program
// for the file, and says by its exit status when there is none.
class DesktopShellOpen : public ShellOpen
{
public:
    void open(const QString &path, const Failed &failed) override;
    static QString reasonForExitCode(int code);
};
