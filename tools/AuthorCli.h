#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>
#include <vector>

// The command dispatch of lessonwright-author: one table of named commands,
// each with its arguments, options, help texts and action. The same table
// answers `help`, `help COMMAND` and `COMMAND --help`, and renders the
// manual page.
//
// Path arguments are resolved against the folder the tool was started in
// before any command runs, so that commands which move the current
// directory (as the builder's file lists do) never see a relative path.
// A command reports a failure by throwing AppError (exit 1, the message and
// its reason on stderr) or UsageError (exit 2, the command's usage on
// stderr).
class AuthorCli {
public:
    class UsageError : public std::runtime_error {
    public:
        explicit UsageError(const QString& why)
            : std::runtime_error(why.toStdString())
        {
        }
    };

    // What an argument is; paths are checked before the command runs.
    enum class Arg {
        Word,         // not a path: a part code, a record number, a field name
        Path,         // a host or course path, resolved, not checked
        Folder,       // a folder that must exist
        File,         // a file that must exist
        Existing,     // a file or a folder that must exist
        InFolder,     // a folder that must exist, or a file (existing or not) inside one
        CodeOrStory,  // a part code, or a storyboard file (".story") that must exist
    };

    // One run of a command.
    struct Call {
        QStringList args;    // paths resolved to absolute host paths
        QStringList written; // the arguments as they were typed
        QStringList options; // the options given, such as "--append"
        QIODevice& out;
        std::function<void(const QString& line)> progress; // stderr, unless --quiet

        bool has(const QString& option) const { return options.contains(option); }
    };

    struct Command {
        QString name;
        QString arguments;       // "DIR RECORD FIELD"
        QString summary;         // one line for the list of commands
        QString description;     // paragraphs (blank-line separated) for help and manual
        std::vector<Arg> kinds;  // one per argument
        QStringList options;     // accepted besides --help and --quiet
        std::function<void(const Call&)> run;
    };

    void add(Command command);
    const std::vector<Command>& commands() const { return m_commands; }
    const Command* find(const QString& name) const;

    // args are the words after the program name. Returns the exit status:
    // 0 done, 1 the command failed, 2 wrong usage.
    int run(const QStringList& args, QIODevice& out, QIODevice& err) const;

    // The whole usage: every command with its summary.
    QString usage() const;
    // One command's usage line, its options and its description.
    static QString commandHelp(const Command& command);
    // A summary as a sentence: capital first letter, full stop.
    static QString sentence(const QString& summary);
    // "lessonwright-author NAME [OPTIONS] ARGS"
    static QString callLine(const Command& command);

    // Every command the tool offers, with their texts (CommandTable.cpp).
    static AuthorCli withStandardCommands();

private:
    int runCommand(const Command& command, const QStringList& words, QIODevice& out, QIODevice& err) const;

    std::vector<Command> m_commands;
};
