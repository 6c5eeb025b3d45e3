#include "tools/AuthorCli.h"

#include "platform/AppError.h"
#include "platform/HostPath.h"
#include "tools/ErrorReason.h"
#include "tools/ExplainedError.h"
#include "tools/ManPage.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <new>

namespace {

const QString kProgram = QStringLiteral("lessonwright-author");
const QString kHelpOption = QStringLiteral("--help");
const QString kQuietOption = QStringLiteral("--quiet");
constexpr int kTextWidth = 78;

void writeLine(QIODevice& device, const QString& text)
{
    device.write(text.toLocal8Bit());
    device.write("\n");
}

// Fills words into lines of at most kTextWidth columns, each indented.
QString wrapped(const QString& text, int indent)
{
    const QString margin(indent, QLatin1Char(' '));
    QString result;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && margin.size() + line.size() + 1 + word.size() > kTextWidth) {
            result += margin + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        result += margin + line + QLatin1Char('\n');
    return result;
}

// Paragraphs separated by blank lines; one starting with two spaces is an
// example and keeps its lines.
QString paragraphs(const QString& text, int indent)
{
    QStringList blocks;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
        if (!paragraph.startsWith(QLatin1String("  "))) {
            blocks << wrapped(paragraph, indent);
            continue;
        }
        QString example;
        for (const QString& line : paragraph.split(QLatin1Char('\n')))
            example += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
        blocks << example;
    }
    return blocks.join(QLatin1Char('\n'));
}

QString seeHelp(const QString& name)
{
    return QStringLiteral("Try '%1 help %2' for more.").arg(kProgram, name);
}

// Resolves a path argument against the current directory, which is the
// folder the tool was started in: no command has run yet.
QString resolved(const QString& written)
{
    const QString host = HostPath::toHost(written);
    return host.isEmpty() ? host : QDir::cleanPath(host);
}

// Why a resolved argument of this kind cannot be used; empty when it can.
QString argumentProblem(AuthorCli::Arg kind, const QString& host)
{
    switch (kind) {
    case AuthorCli::Arg::Folder:
        return ErrorReason::forListing(host);
    case AuthorCli::Arg::File:
    case AuthorCli::Arg::CodeOrStory:
        return ErrorReason::forReading(host);
    case AuthorCli::Arg::Existing:
        return QFileInfo(host).isDir() ? ErrorReason::forListing(host) : ErrorReason::forReading(host);
    case AuthorCli::Arg::InFolder:
        return ErrorReason::forListing(QFileInfo(host).isDir() ? host : QFileInfo(host).absolutePath());
    case AuthorCli::Arg::Word:
    case AuthorCli::Arg::Path:
        break;
    }
    return {};
}

bool isStory(AuthorCli::Arg kind, const QString& written)
{
    return kind == AuthorCli::Arg::CodeOrStory && written.endsWith(QLatin1String(".story"));
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

QString AuthorCli::callLine(const Command& command)
{
    QString line = kProgram + QLatin1Char(' ') + command.name;
    for (const QString& option : command.options)
        line += QStringLiteral(" [%1]").arg(option);
    if (!command.arguments.isEmpty())
        line += QLatin1Char(' ') + command.arguments;
    return line;
}

QString AuthorCli::sentence(const QString& summary)
{
    QString text = summary.left(1).toUpper() + summary.mid(1);
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

QString AuthorCli::usage() const
{
    const ManPage* page = ManPage::named(QStringLiteral("author"));
    QString text = QStringLiteral("usage: ") + page->synopsis.join(QStringLiteral("\n       ")) + QStringLiteral("\n\n");
    text += wrapped(sentence(page->purpose), 0);
    text += QStringLiteral("\nCommands:\n");
    for (const Command& c : m_commands) {
        text += QStringLiteral("  ") + callLine(c).mid(kProgram.size() + 1) + QLatin1Char('\n');
        text += wrapped(c.summary, 6);
    }
    for (const ManPage::Section& section : page->sections) {
        if (section.title != QLatin1String("PATHS") && section.title != QLatin1String("EXIT STATUS"))
            continue;
        text += QStringLiteral("\n%1:\n").arg(section.title.left(1) + section.title.mid(1).toLower());
        for (const ManPage::Entry& entry : section.entries)
            text += paragraphs(entry.text, 2);
    }
    text += QLatin1Char('\n') + wrapped(QStringLiteral("'%1 help COMMAND' tells more about a command, "
                                                        "'man %1' about all of them.").arg(kProgram), 0);
    return text;
}

QString AuthorCli::commandHelp(const Command& command)
{
    QString text = QStringLiteral("usage: ") + callLine(command) + QStringLiteral("\n\n");
    text += wrapped(sentence(command.summary), 0);
    if (!command.description.isEmpty())
        text += QLatin1Char('\n') + paragraphs(command.description, 0);
    return text;
}

int AuthorCli::run(const QStringList& args, QIODevice& out, QIODevice& err) const
{
    if (args.isEmpty()) {
        err.write(usage().toLocal8Bit());
        return 2;
    }
    const QString& first = args.first();
    if (first == QLatin1String("--version")) {
        writeLine(out, QStringLiteral("%1 %2").arg(kProgram, QStringLiteral(LESSONWRIGHT_VERSION)));
        return 0;
    }
    if (first == QLatin1String("help") || first == kHelpOption) {
        const QStringList rest = args.mid(1);
        if (rest.isEmpty()) {
            out.write(usage().toLocal8Bit());
            return 0;
        }
        // The manual pages are rendered from the same texts at build time.
        if (rest.size() == 2 && rest.first() == QLatin1String("--man") && ManPage::named(rest.last())) {
            out.write(ManPage::named(rest.last())->roff(QStringLiteral(LESSONWRIGHT_VERSION), this).toUtf8());
            return 0;
        }
        if (const Command* command = rest.size() == 1 ? find(rest.first()) : nullptr) {
            out.write(commandHelp(*command).toLocal8Bit());
            return 0;
        }
        writeLine(err, QStringLiteral("%1: no such command: %2").arg(kProgram, rest.join(QLatin1Char(' '))));
        err.write(usage().toLocal8Bit());
        return 2;
    }
    const Command* command = find(first);
    if (!command) {
        writeLine(err, QStringLiteral("%1: unknown command: %2").arg(kProgram, first));
        err.write(usage().toLocal8Bit());
        return 2;
    }
    return runCommand(*command, args.mid(1), out, err);
}

int AuthorCli::runCommand(const Command& command, const QStringList& words, QIODevice& out, QIODevice& err) const
{
    const auto wrongUsage = [&](const QString& why) {
        writeLine(err, QStringLiteral("%1 %2: %3").arg(kProgram, command.name, why));
        writeLine(err, QStringLiteral("usage: ") + callLine(command));
        writeLine(err, seeHelp(command.name));
        return 2;
    };

    QStringList written;
    QStringList options;
    bool optionsEnded = false;
    for (const QString& word : words) {
        if (optionsEnded || !word.startsWith(QLatin1String("--"))) {
            written << word;
        } else if (word == QLatin1String("--")) {
            optionsEnded = true;
        } else if (word == kHelpOption) {
            out.write(commandHelp(command).toLocal8Bit());
            return 0;
        } else if (word == kQuietOption || command.options.contains(word)) {
            options << word;
        } else {
            return wrongUsage(QStringLiteral("unknown option %1").arg(word));
        }
    }
    if (written.size() != int(command.kinds.size()))
        return wrongUsage(QStringLiteral("%1 argument(s) expected, %2 given").arg(command.kinds.size()).arg(written.size()));

    QStringList args;
    for (int i = 0; i < written.size(); ++i) {
        const Arg kind = command.kinds[size_t(i)];
        const bool path = kind != Arg::Word && (kind != Arg::CodeOrStory || isStory(kind, written[i]));
        args << (path ? resolved(written[i]) : written[i]);
        const QString problem = path ? argumentProblem(kind, args.last()) : QString();
        if (!problem.isEmpty()) {
            writeLine(err, QStringLiteral("%1: ").arg(command.name) + ErrorReason::pathProblem(written[i], args.last(), problem));
            return 1;
        }
    }

    const bool quiet = options.contains(kQuietOption);
    // err is unbuffered (main), so each progress line shows as it is made.
    const Call call{args, written, options, out, [&err, quiet](const QString& line) {
                        if (!quiet)
                            writeLine(err, line);
                    }};
    try {
        command.run(call);
        return 0;
    } catch (const UsageError& e) {
        return wrongUsage(QString::fromLocal8Bit(e.what()));
    } catch (const ExplainedError& e) {
        writeLine(err, e.message());
    } catch (const AppError& e) {
        writeLine(err, ErrorReason::explained(e.message()));
    } catch (const std::bad_alloc&) {
        writeLine(err, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        writeLine(err, QString::fromLocal8Bit(e.what()));
    }
    return 1;
}
