#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void Install(QCoreApplication& app, const QString& name, const QString& folder) {
  auto* translator = new QTranslator(&app);
  // Tries the user's languages in their order of preference.
  if (translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

void InstallTranslations(QCoreApplication& app) {
  // The resources live in a static library; naming their initialiser keeps
  // the linker from dropping them.
  Q_INIT_RESOURCE(vz_translations);
  // English's plural forms first, so that they are asked last: the texts
  // are written in English, whatever the system's language.
  auto* english = new QTranslator(&app);
  if (english->load(QStringLiteral(":/i18n/vezari-zaduder_en.qm")))
    QCoreApplication::installTranslator(english);
  else
    delete english;
  Install(app, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // Installed last, so it is asked first.
  Install(app, QStringLiteral("vezari-zaduder"), QStringLiteral(":/i18n"));
}
