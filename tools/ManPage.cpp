#include "tools/ManPage.h"

#include "tools/AuthorCli.h"

namespace {

// Plain text to roff: backslashes and minus signs are escaped, and a line
// may not start with a control character.
QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\e");
        else if (c == QLatin1Char('-'))
            out += QStringLiteral("\\-");
        else
            out += c;
    }
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

// A paragraph that starts with two spaces is an example: kept line by line.
bool isExample(const QString& paragraph)
{
    return paragraph.startsWith(QLatin1String("  "));
}

void addParagraph(QString& page, const QString& paragraph, const QString& macro)
{
    if (!macro.isEmpty())
        page += macro + QLatin1Char('\n');
    if (isExample(paragraph)) {
        page += QStringLiteral(".RS\n.nf\n");
        for (const QString& line : paragraph.split(QLatin1Char('\n')))
            page += escaped(line.trimmed()) + QLatin1Char('\n');
        page += QStringLiteral(".fi\n.RE\n");
        return;
    }
    page += escaped(paragraph) + QLatin1Char('\n');
}

// "NAME ARGS" with the name in bold and every other word in italics.
QString commandTerm(const AuthorCli::Command& command)
{
    QString term = QStringLiteral("\\fB%1\\fR").arg(escaped(command.name));
    for (const QString& option : command.options)
        term += QStringLiteral(" [\\fB%1\\fR]").arg(escaped(option));
    for (const QString& word : command.arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        term += QStringLiteral(" \\fI%1\\fR").arg(escaped(word));
    return term;
}

void addCommands(QString& page, const AuthorCli& cli)
{
    for (const AuthorCli::Command& command : cli.commands()) {
        page += QStringLiteral(".TP\n") + commandTerm(command) + QLatin1Char('\n');
        const QStringList paragraphs = (AuthorCli::sentence(command.summary) + QStringLiteral("\n\n") + command.description)
                                           .split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
        bool first = true;
        for (const QString& paragraph : paragraphs) {
            addParagraph(page, paragraph, first ? QString() : QStringLiteral(".IP"));
            first = false;
        }
    }
}

} // namespace

QString ManPage::roff(const QString& version, const AuthorCli* commands) const
{
    QString page = QStringLiteral(".TH %1 1 \"\" \"Lessonwright %2\" \"User Commands\"\n")
                       .arg(escaped(name.toUpper()), version);
    page += QStringLiteral(".SH NAME\n%1 \\- %2\n").arg(escaped(name), escaped(purpose));
    page += QStringLiteral(".SH SYNOPSIS\n.nf\n");
    for (const QString& line : synopsis) {
        const QString rest = line.mid(name.size());
        page += QStringLiteral("\\fB%1\\fR%2\n").arg(escaped(name), escaped(rest));
    }
    page += QStringLiteral(".fi\n");
    for (const Section& section : sections) {
        page += QStringLiteral(".SH %1\n").arg(section.title);
        if (commands && section.title == QLatin1String("COMMANDS"))
            addCommands(page, *commands);
        for (const Entry& entry : section.entries) {
            if (entry.term.isEmpty()) {
                addParagraph(page, entry.text, QStringLiteral(".PP"));
                continue;
            }
            page += QStringLiteral(".TP\n\\fB%1\\fR\n").arg(escaped(entry.term));
            addParagraph(page, entry.text, QString());
        }
    }
    return page;
}
