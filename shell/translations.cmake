# vz_translations: the program's texts in other languages. The .ts files in
# translations/ are built into .qm files and compiled in; InstallTranslations
# picks the one for the system's language. A new language is a new .ts file
# (made by vz_lupdate once its code is listed here).
#   cmake --build BUILD --target vz_lupdate
# brings the .ts files up to date with the texts in the sources (new texts
# come in unfinished for a translator to fill in, e.g. with Qt Linguist).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(vz_languages de es fr ja zh_CN)
list(TRANSFORM vz_languages PREPEND ${PROJECT_SOURCE_DIR}/translations/vezari-zaduder_ OUTPUT_VARIABLE vz_ts_files)
list(TRANSFORM vz_ts_files APPEND .ts)
# English needs only the forms of the texts that count ("1 game", "2 games");
# it is asked after the user's language, so it fills in for any language
# without a translation.
set(vz_plural_ts ${PROJECT_SOURCE_DIR}/translations/vezari-zaduder_en.ts)

add_library(vz_translations STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/Translations.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Translations.h
  ${CMAKE_CURRENT_SOURCE_DIR}/FileReasons.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FileReasons.h
)
target_include_directories(vz_translations PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vz_translations PUBLIC Qt6::Core)
qt_add_lrelease(vz_translations TS_FILES ${vz_ts_files} ${vz_plural_ts} QM_FILES_OUTPUT_VARIABLE vz_qm_files)
qt_add_resources(vz_translations vz_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${vz_qm_files})

add_custom_target(vz_lupdate
  COMMAND Qt6::lupdate -locations none -no-obsolete -source-language en ${PROJECT_SOURCE_DIR}/shell ${PROJECT_SOURCE_DIR}/reversi
          -ts ${vz_ts_files}
  COMMAND Qt6::lupdate -locations none -no-obsolete -pluralonly -source-language en -target-language en
          ${PROJECT_SOURCE_DIR}/shell ${PROJECT_SOURCE_DIR}/reversi -ts ${vz_plural_ts}
  COMMENT "Updating the translations from the sources" VERBATIM)
