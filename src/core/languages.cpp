// SPDX-License-Identifier: MIT
#include "languages.h"

#include "formfaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Where the build puts the program's translations (quorvel_de.qm, ...).
const QString translationsFolder = QStringLiteral(":/translations");

// The translators in use, the program's and Qt's; replaced by the next speak().
std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool install(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    installed().push_back(std::move(translator));
    return true;
}

// The program's texts in one language (English, its own, where that is empty), Qt's own in
// another.
void speak(const QString &program, const QString &qt)
{
    for (const std::unique_ptr<QTranslator> &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    const bool translated = !program.isEmpty() && install(QStringLiteral("quorvel_") + program, translationsFolder);
    if (!qt.isEmpty())
        install(QStringLiteral("qtbase_") + qt, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Windows in Arabic and Hebrew are mirrored; English ones never are.
    QGuiApplication::setLayoutDirection(translated ? QLocale(program).textDirection() : Qt::LeftToRight);
    FormFaces::useFacesFor(translated ? program : QString());
}

QString withoutCodeset(const QString &locale)
{
    return locale.section(u'.', 0, 0).section(u'@', 0, 0);
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
    const QString locale = withoutCodeset(messages);
    if (locale.isEmpty() || locale == u"C" || locale == u"POSIX")
        return {};
    // Where LANGUAGE names languages, they alone decide: the messages locale is no fallback.
    QStringList languages = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    if (languages.isEmpty())
        return {locale};
    for (QString &language : languages)
        language = withoutCodeset(language);
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
    speak(language, language);
}

QString Languages::install()
{
    // Looked up one by one: listing every translation would cost start-up more.
    const auto available = [](const QString &language) {
        return QFile::exists(translationsFolder + QStringLiteral("/quorvel_") + language + QStringLiteral(".qm"));
    };
    for (const QString &wanted : wanted()) {
        // As gettext does: the whole name ("pt_BR"), then the language alone ("de" for de_AT).
        for (const QString &candidate : {wanted, wanted.section(u'_', 0, 0)}) {
            // English is the language the program is written in: its texts need no translation.
            if (candidate == u"en") {
                speak(QString(), QString());
                return QString();
            }
            if (available(candidate)) {
                use(candidate);
                return candidate;
            }
        }
    }
    // None that the program has: Qt's own texts may still speak the person's language.
    speak(QString(), QLocale().name());
    return QString();
}
