// The program in the user's language: the texts are written in English and
// translated through Qt's translation system; the translations are compiled
// in (translations/*.ts, built into .qm files by the build).
#pragma once

class QCoreApplication;

// Installs the translation for the system's language, when there is one, and
// Qt's own for its dialogs and buttons. Without one (English, or a language
// not translated) the texts stay as written, in their English singular or
// plural by the count they give. Call once, before any window is
// made.
void InstallTranslations(QCoreApplication& app);
