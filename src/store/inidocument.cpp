// SPDX-License-Identifier: MIT
#include "inidocument.h"

#include <algorithm>

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Reads a name or value: quoted with escapes, or bare up to one of the delimiters and
// trimmed. A quote that never closes (a truncated line) ends the text at the line's end.
QString readToken(QStringView &rest, QStringView delimiters)
{
    rest = rest.trimmed();
    QString token;
    if (!rest.startsWith(u'"')) {
        qsizetype end = 0;
        while (end < rest.size() && !delimiters.contains(rest.at(end)))
            ++end;
        token = rest.left(end).trimmed().toString();
        rest = rest.mid(end);
        return token;
    }
    qsizetype i = 1;
    for (; i < rest.size() && rest.at(i) != u'"'; ++i) {
        if (rest.at(i) != u'\\' || i + 1 == rest.size()) {
            token += rest.at(i);
            continue;
        }
        const QChar escaped = rest.at(++i);
        if (escaped == u'n')
            token += u'\n';
        else if (escaped == u'r')
            token += u'\r';
        else if (escaped == u't')
            token += u'\t';
        else if (escaped == u'u' && i + 4 < rest.size()) {
            bool ok = false;
            const ushort code = rest.mid(i + 1, 4).toUShort(&ok, 16);
            token += ok ? QChar(code) : escaped;
            i += ok ? 4 : 0;
        } else
            token += escaped;
    }
    rest = rest.mid(qMin(i + 1, rest.size())).trimmed();
    return token;
}

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pairedSurrogate = (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                || (c.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate());
        if (c == u'"' || c == u'\\')
            out += u'\\' + c;
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f || (c.isSurrogate() && !pairedSurrogate))
            // UTF-8 cannot carry a lone surrogate, and control characters would break lines.
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}

// Names stay bare where they can, so the file reads as a person expects.
QString name(const QString &text)
{
    static const QString special = QStringLiteral("\"\\[]/=;#");
    const bool plain = !text.isEmpty() && text == text.trimmed()
            && std::none_of(text.cbegin(), text.cend(), [](QChar c) { return special.contains(c) || c.unicode() < 0x20; });
    return plain ? text : quoted(text);
}

QByteArray sectionLine(const QString &application, const QString &section)
{
    return (u'[' + name(application) + u'/' + name(section) + u']').toUtf8();
}

QByteArray entryLine(const QString &key, const QString &value)
{
    return (name(key) + u'=' + quoted(value)).toUtf8();
}

enum class Kind { Other, Section, Entry };

struct ParsedLine
{
    Kind kind = Kind::Other;
    QString first;  // the application of a section, the key of an entry
    QString second; // the section of a section, the value of an entry
};

ParsedLine parse(QByteArrayView raw)
{
    const QString text = QString::fromUtf8(raw);
    QStringView rest = QStringView(text).trimmed();
    if (rest.isEmpty() || rest.startsWith(u';') || rest.startsWith(u'#'))
        return {};
    if (rest.startsWith(u'[')) {
        rest = rest.mid(1);
        const QString application = readToken(rest, u"/]");
        if (!rest.startsWith(u'/'))
            return {};
        rest = rest.mid(1);
        const QString section = readToken(rest, u"]");
        if (!rest.startsWith(u']'))
            return {};
        return {Kind::Section, application, section};
    }
    const QString key = readToken(rest, u"=");
    if (!rest.startsWith(u'='))
        return {};
    rest = rest.mid(1).trimmed();
    const QString value = rest.startsWith(u'"') ? readToken(rest, {}) : rest.toString();
    return {Kind::Entry, key, value};
}

bool isSectionHeader(QByteArrayView raw)
{
    return raw.trimmed().startsWith('[');
}

} // namespace

IniDocument::IniDocument(const QByteArray &content)
    : m_content(content)
{
}

IniDocument::Entries IniDocument::entries(const QString &application, const QString &section,
                                          const QString &key) const
{
    Entries found;
    bool inSection = false;
    bool afterHeader = false; // still in the run of entries that directly follows a matching header
    // A byte-order mark that an editor wrote is no part of the first line; it stays in the file.
    const qsizetype first = m_content.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (qsizetype start = first; start < m_content.size();) {
        qsizetype end = m_content.indexOf('\n', start);
        const qsizetype next = end < 0 ? m_content.size() : end + 1;
        if (end < 0)
            end = m_content.size();
        const QByteArrayView raw(m_content.constData() + start, end - start);
        if (isSectionHeader(raw)) {
            const ParsedLine line = parse(raw);
            if (line.kind == Kind::Section) {
                inSection = sameName(line.first, application) && sameName(line.second, section);
                afterHeader = inSection;
                if (inSection)
                    found.insertAt = next;
                start = next;
                continue;
            }
        }
        if (inSection) {
            const ParsedLine line = parse(raw);
            afterHeader = afterHeader && line.kind == Kind::Entry;
            if (afterHeader)
                found.insertAt = next;
            if (line.kind == Kind::Entry && sameName(line.first, key)) {
                found.lines.append({start, end});
                found.lastKey = line.first;
                found.lastValue = line.second;
            }
        }
        start = next;
    }
    return found;
}

std::optional<QString> IniDocument::value(const QString &application, const QString &section,
                                          const QString &key) const
{
    const Entries found = entries(application, section, key);
    if (found.lines.isEmpty())
        return std::nullopt;
    // As in any INI file, a later line overrides an earlier one.
    return found.lastValue;
}

void IniDocument::setValue(const QString &application, const QString &section, const QString &key,
                           const QString &value)
{
    if (!m_content.isEmpty() && !m_content.endsWith('\n'))
        m_content += '\n';
    const Entries found = entries(application, section, key);
    QByteArray edited;
    if (!found.lines.isEmpty()) {
        // The last entry takes the value under its own spelling; earlier duplicates go.
        edited.reserve(m_content.size() + value.size() * 3);
        qsizetype copied = 0;
        for (const Span &line : found.lines) {
            edited += QByteArrayView(m_content).sliced(copied, line.start - copied);
            if (&line == &found.lines.last())
                edited += entryLine(found.lastKey, value) + '\n';
            copied = line.end + 1;
        }
        edited += QByteArrayView(m_content).sliced(qMin(copied, m_content.size()));
    } else if (found.insertAt >= 0) {
        edited = m_content;
        edited.insert(found.insertAt, entryLine(key, value) + '\n');
    } else {
        edited = m_content;
        const qsizetype lastLineStart = edited.lastIndexOf('\n', edited.size() - 2) + 1;
        if (!edited.isEmpty() && !QByteArrayView(edited).sliced(lastLineStart).trimmed().isEmpty())
            edited += '\n';
        edited += sectionLine(application, section) + '\n' + entryLine(key, value) + '\n';
    }
    m_content = edited;
}
