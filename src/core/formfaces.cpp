// SPDX-License-Identifier: MIT
#include "formfaces.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLineEdit>
#include <QLocale>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace {

const QString formFamily = QStringLiteral("MS Sans Serif");

struct FontSetDeleter
{
    void operator()(FcFontSet *set) const { FcFontSetDestroy(set); }
};
struct PatternDeleter
{
    void operator()(FcPattern *pattern) const { FcPatternDestroy(pattern); }
};

// The suffix by which the pan-CJK families (Noto Sans CJK, Source Han Sans) name the forms
// they draw; none for a language that shares its letters' forms with others.
QByteArray pancjkSuffix(const QLocale &locale)
{
    switch (locale.script()) {
    case QLocale::JapaneseScript:
        return " JP";
    case QLocale::KoreanScript:
        return " KR";
    case QLocale::SimplifiedHanScript:
        return " SC";
    case QLocale::TraditionalHanScript:
        return locale.territory() == QLocale::HongKong ? " HK" : " TC";
    default:
        return {};
    }
}

// Whether the face was made for the language: it carries a family name in that language (as
// Japanese, Korean and Chinese faces do), or the suffix of its forms.
bool madeFor(FcPattern *face, const QByteArray &language, const QByteArray &suffix)
{
    FcChar8 *name = nullptr;
    FcChar8 *nameLanguage = nullptr;
    for (int i = 0; FcPatternGetString(face, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (QByteArrayView(reinterpret_cast<const char *>(name)).endsWith(suffix))
            return true;
        if (FcPatternGetString(face, FC_FAMILYLANG, i, &nameLanguage) == FcResultMatch
            && qstricmp(reinterpret_cast<const char *>(nameLanguage), language.constData()) == 0)
            return true;
    }
    return false;
}

// Of the sans-serif faces fontconfig offers for the language, best first, the first one made
// for it. (fontconfig's own first choice may be a face of another language that merely has
// the letters: a Chinese face for Japanese.)
QString ownFace(const QLocale &locale)
{
    const QByteArray suffix = pancjkSuffix(locale);
    if (suffix.isEmpty())
        return QString();
    // As fontconfig names languages: Chinese with its territory ("zh-tw"), others alone ("ja").
    QString name = QLocale::languageToCode(locale.language());
    if (locale.language() == QLocale::Chinese)
        name += u'-' + QLocale::territoryToCode(locale.territory()).toLower();
    const QByteArray language = name.toUtf8();
    const std::unique_ptr<FcPattern, PatternDeleter> wanted(FcPatternCreate());
    FcPatternAddString(wanted.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>("sans-serif"));
    FcPatternAddString(wanted.get(), FC_LANG, reinterpret_cast<const FcChar8 *>(language.constData()));
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcFontSet, FontSetDeleter> faces(FcFontSort(nullptr, wanted.get(), FcFalse, nullptr, &result));
    for (int i = 0; faces && i < faces->nfont; ++i) {
        FcPattern *face = faces->fonts[i];
        FcLangSet *covered = nullptr;
        FcChar8 *family = nullptr;
        if (FcPatternGetLangSet(face, FC_LANG, 0, &covered) == FcResultMatch
            && FcLangSetHasLang(covered, reinterpret_cast<const FcChar8 *>(language.constData())) == FcLangEqual
            && madeFor(face, language, suffix) && FcPatternGetString(face, FC_FAMILY, 0, &family) == FcResultMatch)
            return QString::fromUtf8(reinterpret_cast<const char *>(family));
    }
    return QString();
}

// The letters the language is written in, as the font database knows faces by them.
QFontDatabase::WritingSystem writingSystem(const QLocale &locale)
{
    switch (locale.script()) {
    case QLocale::ArabicScript:
        return QFontDatabase::Arabic;
    case QLocale::CyrillicScript:
        return QFontDatabase::Cyrillic;
    case QLocale::GreekScript:
        return QFontDatabase::Greek;
    case QLocale::HebrewScript:
        return QFontDatabase::Hebrew;
    case QLocale::JapaneseScript:
        return QFontDatabase::Japanese;
    case QLocale::KoreanScript:
        return QFontDatabase::Korean;
    case QLocale::SimplifiedHanScript:
        return QFontDatabase::SimplifiedChinese;
    case QLocale::TraditionalHanScript:
        return QFontDatabase::TraditionalChinese;
    default:
        // Vietnamese is Latin with letters of its own.
        return locale.language() == QLocale::Vietnamese ? QFontDatabase::Vietnamese : QFontDatabase::Latin;
    }
}

} // namespace

QFont FormFaces::formFace()
{
    return QFont(formFamily, 8);
}

void FormFaces::useTextBoxFont(QWidget *form)
{
    QFont font(formFamily);
    font.setPointSizeF(8.25);
    font.setBold(true);
    for (QLineEdit *textBox : form->findChildren<QLineEdit *>())
        textBox->setFont(font);
}

void FormFaces::install()
{
    // A titling face is classic serif capitals; the about dialog asks for capitals itself.
    QFont::insertSubstitutions(QStringLiteral("Perpetua Titling MT"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QApplication::setFont(formFace());
}

void FormFaces::useFacesFor(const QString &language)
{
    // The forms' captions were sized for MS Sans Serif's narrow bitmap letters. Measured at
    // 96 dpi, Liberation Sans Narrow is the installable face in which they fit their boxes
    // ("City" in 17 pixels); Liberation Sans and DejaVu Sans Condensed are wider, and have
    // letters it lacks (Vietnamese, Hebrew, Arabic). A language is written in the first of
    // them that has all its letters, not with letters of another face in the middle of a word.
    QStringList faces{QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")};
    const QLocale locale = language.isEmpty() ? QLocale(QLocale::English) : QLocale(language);
    // Latin letters are the forms' face's own: the font database, which asking would load
    // before the first window needs it, is asked only about other letters.
    const QFontDatabase::WritingSystem letters = writingSystem(locale);
    const auto whole = std::find_if(faces.cbegin(), faces.cend(), [letters](const QString &face) {
        return letters == QFontDatabase::Latin || QFontDatabase::writingSystems(face).contains(letters);
    });
    if (whole != faces.cend())
        faces.move(whole - faces.cbegin(), 0);
    if (const QString own = ownFace(locale); !own.isEmpty())
        faces.insert(1, own);
    QFont::removeSubstitutions(formFamily);
    QFont::insertSubstitutions(formFamily, faces);
}
