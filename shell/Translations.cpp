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
  Install(app, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // Installed last, so it is asked first.
  Install(app, QStringLiteral("vezari-zaduder"), QStringLiteral(":/i18n"));
}
