// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The settings file as lines of text, edited in place so that whatever the store does not
// own (comments, other applications' entries, lines it cannot read) is written back as it
// was. Sections are headed "[application/section]"; entries are "key=value". Names compare
// without regard to letter case; a value or name written by the store is quoted, with
// backslash escapes, so that any text comes back unchanged. A hand-typed value without
// quotes is taken literally, blanks around it trimmed.
class IniDocument
{
public:
    explicit IniDocument(const QByteArray &content = {});

    std::optional<QString> value(const QString &application, const QString &section, const QString &key) const;

    // Replaces the entry with this key in any letter case, removing any duplicates typed
    // by hand, or adds it (and its section) if there is none.
    void setValue(const QString &application, const QString &section, const QString &key, const QString &value);

    QByteArray toByteArray() const { return m_content; }

private:
    // One line of the content, its line break not included.
    struct Span
    {
        qsizetype start;
        qsizetype end;
    };
    struct Entries
    {
        QList<Span> lines;     // the entries under the key, in file order
        QString lastKey;       // the key as the last of them spells it
        QString lastValue;     // and its value
        qsizetype insertAt = -1; // after the entries that follow the last matching header
    };

    // One pass over the content, parsing only section headers and the lines of matching
    // sections: the file is kept as one block of bytes, never as a list of parsed lines.
    Entries entries(const QString &application, const QString &section, const QString &key) const;

    QByteArray m_content;
};
