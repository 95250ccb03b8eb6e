#include "app/translations.h"

#include "notices/notices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString installedName = QStringLiteral("quillon-translation");

bool install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(installedName);
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

void removeInstalled()
{
    const auto installed = QCoreApplication::instance()->findChildren<QTranslator *>(installedName);
    for (QTranslator *translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Qt's own translations: the system's on Linux (Debian's qttranslations5-l10n), beside the
// program on Windows.
void installQtTranslation(const QLocale &locale)
{
    for (const QString &folder :
         {QLibraryInfo::location(QLibraryInfo::TranslationsPath),
          QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (install(locale, QStringLiteral("qtbase"), folder))
            return;
    }
}

} // namespace

void useLanguage(const QLocale &locale)
{
    removeInstalled();
    install(locale, QStringLiteral("quillon"), QStringLiteral(":/translations"));
    installQtTranslation(locale);
    setNoticeTranslator([](const char *english) {
        return QCoreApplication::translate("Notices", english).toStdString();
    });
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(QStringLiteral(":/translations")).entryList({QStringLiteral("quillon_*.qm")});
    for (const QString &file : files)
        languages << QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1);
    return languages;
}
