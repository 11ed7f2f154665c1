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

} // namespace

IniDocument::IniDocument(const QByteArray &content)
{
    if (content.isEmpty())
        return;
    m_endsWithNewline = content.endsWith('\n');
    QList<QByteArray> raws = content.split('\n');
    if (m_endsWithNewline)
        raws.removeLast();
    m_lines.reserve(raws.size());
    for (const QByteArray &raw : std::as_const(raws))
        m_lines.append(parse(raw));
}

IniDocument::Line IniDocument::parse(const QByteArray &raw)
{
    Line line{raw, Kind::Other, {}, {}};
    const QString text = QString::fromUtf8(raw);
    QStringView rest = QStringView(text).trimmed();
    if (rest.isEmpty() || rest.startsWith(u';') || rest.startsWith(u'#'))
        return line;
    if (rest.startsWith(u'[')) {
        rest = rest.mid(1);
        const QString application = readToken(rest, u"/]");
        if (!rest.startsWith(u'/'))
            return line;
        rest = rest.mid(1);
        const QString section = readToken(rest, u"]");
        if (rest.startsWith(u']'))
            line = {raw, Kind::Section, application, section};
        return line;
    }
    const QString key = readToken(rest, u"=");
    if (!rest.startsWith(u'='))
        return line;
    rest = rest.mid(1).trimmed();
    const QString value = rest.startsWith(u'"') ? readToken(rest, {}) : rest.toString();
    return {raw, Kind::Entry, key, value};
}

QList<qsizetype> IniDocument::entries(const QString &application, const QString &section, const QString &key,
                                      qsizetype *lastHeader) const
{
    QList<qsizetype> found;
    bool inSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines.at(i);
        if (line.kind == Kind::Section) {
            inSection = sameName(line.first, application) && sameName(line.second, section);
            if (inSection && lastHeader)
                *lastHeader = i;
        } else if (line.kind == Kind::Entry && inSection && sameName(line.first, key)) {
            found.append(i);
        }
    }
    return found;
}

std::optional<QString> IniDocument::value(const QString &application, const QString &section,
                                          const QString &key) const
{
    const QList<qsizetype> found = entries(application, section, key, nullptr);
    if (found.isEmpty())
        return std::nullopt;
    // As in any INI file, a later line overrides an earlier one.
    return m_lines.at(found.last()).second;
}

void IniDocument::setValue(const QString &application, const QString &section, const QString &key,
                           const QString &value)
{
    m_endsWithNewline = true;
    qsizetype header = -1;
    const QList<qsizetype> found = entries(application, section, key, &header);
    if (!found.isEmpty()) {
        Line &kept = m_lines[found.last()];
        kept = {entryLine(kept.first, value), Kind::Entry, kept.first, value};
        for (auto it = found.crbegin() + 1; it != found.crend(); ++it)
            m_lines.removeAt(*it);
        return;
    }
    const Line entry{entryLine(key, value), Kind::Entry, key, value};
    if (header >= 0) {
        qsizetype end = header + 1;
        while (end < m_lines.size() && m_lines.at(end).kind == Kind::Entry)
            ++end;
        m_lines.insert(end, entry);
        return;
    }
    if (!m_lines.isEmpty() && !m_lines.last().raw.trimmed().isEmpty())
        m_lines.append(Line{});
    m_lines.append({sectionLine(application, section), Kind::Section, application, section});
    m_lines.append(entry);
}

QByteArray IniDocument::toByteArray() const
{
    QByteArray out;
    for (const Line &line : m_lines)
        out += line.raw + '\n';
    if (!m_endsWithNewline && !out.isEmpty())
        out.chop(1);
    return out;
}
