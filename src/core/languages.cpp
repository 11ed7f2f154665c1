// SPDX-License-Identifier: MIT
#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Where the build puts the program's translations (quorvel_de.qm, ...).
const QString translationsFolder = QStringLiteral(":/translations");

// The translators in use, the program's and Qt's; replaced by the next use().
std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

QStringList Languages::wanted()
{
    QString messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty())
            break;
    }
    const QString name = messages.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    QStringList languages = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    languages << messages;
    for (QString &language : languages)
        language = language.section(u'.', 0, 0).section(u'@', 0, 0);
    return languages;
}

QStringList Languages::translated()
{
    QStringList languages;
    for (const QString &file : QDir(translationsFolder).entryList({QStringLiteral("quorvel_*.qm")}))
        languages << file.mid(8).chopped(3);
    return languages;
}

void Languages::use(const QString &language)
{
    for (const std::unique_ptr<QTranslator> &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    const std::pair<QString, QString> sources[] = {
        {QStringLiteral("quorvel_"), translationsFolder},
        {QStringLiteral("qtbase_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
    };
    for (const auto &[prefix, folder] : sources) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(prefix + language, folder) && QCoreApplication::installTranslator(translator.get()))
            installed().push_back(std::move(translator));
    }
}

QString Languages::install()
{
    const QStringList available = translated();
    for (const QString &wanted : wanted()) {
        // As gettext does: the whole name ("pt_BR"), then the language alone ("de" for de_AT).
        for (const QString &candidate : {wanted, wanted.section(u'_', 0, 0)}) {
            if (available.contains(candidate)) {
                use(candidate);
                return candidate;
            }
        }
    }
    // None that the program has: Qt's own texts may still speak the person's language.
    use(QLocale().name());
    return QString();
}
