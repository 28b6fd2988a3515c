#pragma once
// The program in the user's language: while an object of this class lives,
// the application translates its texts with the program's own translation
// for the session's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt
// reads them), embedded under ":/i18n", and Qt's own dialogs with Qt's
// translation from its translations folder. Without a translation for the
// language the texts stay as they are written: English.

#include <QLocale>
#include <QTranslator>

namespace taleno {

class CTranslations {
public:
    // The session's language, or the one given.
    explicit CTranslations(const QLocale& locale = QLocale());
    ~CTranslations();
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

    // The language of the program's own translation in use; "" for none.
    QString Language() const { return language; }

private:
    QTranslator program;
    QTranslator qt;
    QString language;
};

}  // namespace taleno
