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

    QByteArray toByteArray() const;

private:
    enum class Kind { Other, Section, Entry };
    struct Line
    {
        QByteArray raw;
        Kind kind = Kind::Other;
        QString first;  // the application of a section, the key of an entry
        QString second; // the section of a section, the value of an entry
    };

    static Line parse(const QByteArray &raw);
    // Indexes of the entries under the key, in file order, and the last matching header.
    QList<qsizetype> entries(const QString &application, const QString &section, const QString &key,
                             qsizetype *lastHeader) const;

    QList<Line> m_lines;
    bool m_endsWithNewline = true;
};
