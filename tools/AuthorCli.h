#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>
#include <vector>

// The command dispatch of lessonwright-author: a table of named commands,
// each with its argument count, usage line and action. A command reports a
// failure by throwing AppError (exit 1, message on stderr) or UsageError
// (exit 2, usage text on stderr).
class AuthorCli {
public:
    class UsageError : public std::runtime_error {
    public:
        explicit UsageError(const QString& why)
            : std::runtime_error(why.toStdString())
        {
        }
    };

    struct Command {
        QString name;
        QString arguments; // "DIR RECORD FIELD"
        QString summary;
        int minArgs = 0;
        int maxArgs = 0;
        std::function<void(const QStringList& args, QIODevice& out)> run;
    };

    void add(Command command);

    // args are the words after the program name. Returns the exit status:
    // 0 done, 1 the command failed, 2 wrong usage.
    int run(const QStringList& args, QIODevice& out, QIODevice& err) const;

    QString usage() const;

    // Every command the tool offers.
    static AuthorCli withStandardCommands();

private:
    const Command* find(const QString& name) const;

    std::vector<Command> m_commands;
};
