#include "common/qtjapanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zuvo {

namespace {

struct MissingText
{
    const char *context;
    const char *source;
    const char16_t *japanese;
};

// Texts of the file dialog that Qt's Japanese translation leaves in English: the type column of
// the file list and the sidebar's context menu.
constexpr MissingText MissingTexts[] = {
    {"QAbstractFileIconProvider", "Drive", u"ドライブ"},
    {"QAbstractFileIconProvider", "Folder", u"フォルダ"},
    {"QAbstractFileIconProvider", "File", u"ファイル"},
    {"QAbstractFileIconProvider", "%1 File", u"%1 ファイル"},
    {"QAbstractFileIconProvider", "Shortcut", u"ショートカット"},
    {"QAbstractFileIconProvider", "Alias", u"エイリアス"},
    {"QAbstractFileIconProvider", "Unknown", u"不明"},
    {"QFileDialog", "Computer", u"コンピュータ"},
    {"QSidebar", "Remove", u"削除"},
};

// Answers only for the texts above; every other text goes on to Qt's own translation.
class MissingTextsTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (!context || !sourceText)
            return QString();
        for (const MissingText &t : MissingTexts) {
            if (qstrcmp(context, t.context) == 0 && qstrcmp(sourceText, t.source) == 0)
                return QString::fromUtf16(t.japanese);
        }
        return QString();
    }

    bool isEmpty() const override { return false; }
};

} // namespace

bool InstallJapaneseQtTexts(QCoreApplication &app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // Translators are asked last-installed first: the missing texts go in before Qt's own.
    QCoreApplication::installTranslator(new MissingTextsTranslator(&app));
    auto *qtTexts = new QTranslator(&app);
    const bool loaded = qtTexts->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
    return loaded;
}

} // namespace zuvo
