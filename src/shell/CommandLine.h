#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QTextStream;

// What the program is asked to do by its command line. An option that names
// a task runs that task alone, without the main window, and ends the
// process with its exit status; anything else leaves the window to start,
// with the page the arguments name. A new option is one more row of options().
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

    // The page the window opens: the one argument that is no option, made
    // absolute against workingFolder (the folder the program was started
    // in); empty when none is named. Options the program does not know are
    // left to the toolkit and the web engine, which read their own. More
    // than one page is a misuse: the usage goes to err and the status is returned.
    std::optional<int> pageToOpen(const QString &workingFolder, QString *page, QTextStream &err) const;
    // As above with the application's arguments (the toolkit's own taken out) and standard error.
    static std::optional<int> pageToOpen(const QStringList &applicationArguments, const QString &workingFolder, QString *page);

private:
    struct Option
    {
        QString name;
        QString alias;
        QStringList operands; // as the usage line names them
        QString summary;
        std::function<int(const QStringList &operands, QTextStream &out, QTextStream &err)> run;
    };
    static const QList<Option> &options();
    static QString usage();
    static int exportModern(const QStringList &operands, QTextStream &out, QTextStream &err);
    static int help(const QStringList &operands, QTextStream &out, QTextStream &err);
    static int version(const QStringList &operands, QTextStream &out, QTextStream &err);

    QStringList m_arguments;
};
