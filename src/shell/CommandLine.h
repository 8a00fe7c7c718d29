#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTextStream;

// What the program is asked to do by its command line. An option that names
// a task runs that task alone, without the main window, and ends the
// process with its exit status; anything else leaves the window to start.
// A new option is one more row of options().
class CommandLine
{
public:
    enum Status { Success = 0, Failure = 1, Misuse = 2 };

    // The arguments after the program's name.
    explicit CommandLine(const QStringList &arguments);

    // The task's exit status when the arguments name one; nothing when the window should start.
    std::optional<int> runTask(QTextStream &out, QTextStream &err) const;
    // As above with the process's own arguments, standard output and standard error (in UTF-8).
    static std::optional<int> runTask(int argc, char **argv);

private:
    struct Option
    {
        QString name;
        QStringList operands; // as the usage line names them
        std::function<int(const QStringList &operands, QTextStream &out, QTextStream &err)> run;
    };
    static const QList<Option> &options();
    static int exportModern(const QStringList &operands, QTextStream &out, QTextStream &err);

    QStringList m_arguments;
};
