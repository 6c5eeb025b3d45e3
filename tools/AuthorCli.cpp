#include "tools/AuthorCli.h"

#include "platform/AppError.h"
#include "tools/BuilderCommands.h"
#include "tools/TableTool.h"
#include "tools/WebCommands.h"

#include <algorithm>
#include <new>

namespace {

void writeLine(QIODevice& device, const QString& text)
{
    device.write(text.toLocal8Bit());
    device.write("\n");
}

} // namespace

void AuthorCli::add(Command command)
{
    m_commands.push_back(std::move(command));
}

const AuthorCli::Command* AuthorCli::find(const QString& name) const
{
    const auto it = std::find_if(m_commands.begin(), m_commands.end(),
                                 [&](const Command& c) { return c.name == name; });
    return it == m_commands.end() ? nullptr : &*it;
}

QString AuthorCli::usage() const
{
    QString text = QStringLiteral("usage: lessonwright-author COMMAND [ARGS]\n\ncommands:\n");
    for (const Command& c : m_commands) {
        const QString call = (c.name + QLatin1Char(' ') + c.arguments).trimmed();
        text += QStringLiteral("  %1\n      %2\n").arg(call, c.summary);
    }
    return text;
}

int AuthorCli::run(const QStringList& args, QIODevice& out, QIODevice& err) const
{
    const Command* command = args.isEmpty() ? nullptr : find(args.first());
    const QStringList rest = args.mid(1);
    if (!command || rest.size() < command->minArgs || rest.size() > command->maxArgs) {
        if (!args.isEmpty() && !command && args.first() != QLatin1String("help"))
            writeLine(err, QStringLiteral("unknown command: %1").arg(args.first()));
        err.write(usage().toLocal8Bit());
        return 2;
    }
    try {
        command->run(rest, out);
        return 0;
    } catch (const UsageError& e) {
        writeLine(err, QString::fromLocal8Bit(e.what()));
        err.write(usage().toLocal8Bit());
        return 2;
    } catch (const AppError& e) {
        writeLine(err, e.message());
    } catch (const std::bad_alloc&) {
        writeLine(err, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        writeLine(err, QString::fromLocal8Bit(e.what()));
    }
    return 1;
}

AuthorCli AuthorCli::withStandardCommands()
{
    AuthorCli cli;
    TableTool::registerCommands(cli);
    BuilderCommands::registerCommands(cli);
    WebCommands::registerCommands(cli);
    return cli;
}
