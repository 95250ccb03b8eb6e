#ifndef QUILLON_APP_TRANSLATIONS_H
#define QUILLON_APP_TRANSLATIONS_H

#include <QLocale>
#include <QStringList>

// Quillon's texts and Qt's own (the boxes' buttons) in the user's language, where a translation
// exists; English otherwise. Replaces the translations installed before, so that the language can
// be changed; the windows made afterwards speak it.
void useLanguage(const QLocale &locale = QLocale());

// The languages Quillon is translated into, as locale names ("de", "pt_BR").
QStringList translatedLanguages();

#endif
