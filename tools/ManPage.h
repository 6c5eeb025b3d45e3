#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class AuthorCli;

// A manual page as plain data, so that the tool's help and the installed
// pages come from the same texts. Texts are plain: the renderer escapes
// them for roff.
struct ManPage {
    struct Entry {
        QString term; // empty: a paragraph of its own
        QString text;
    };
    struct Section {
        QString title; // "DESCRIPTION"
        std::vector<Entry> entries;
    };

    QString name;        // "lessonwright-author"
    QString purpose;     // the NAME line after the dash
    QStringList synopsis;
    std::vector<Section> sections;

    // The page in roff (man macros). Where commands is given, a section
    // titled "COMMANDS" lists every command of it with its usage and
    // description, ahead of the page's own entries there.
    QString roff(const QString& version, const AuthorCli* commands = nullptr) const;

    // The page's pages by name: "author" and "player" (CommandTable.cpp).
    static const ManPage* named(const QString& which);
};
