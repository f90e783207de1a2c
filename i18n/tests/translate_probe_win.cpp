// Starts as the program does (own "translate" resource, the user's locale) and prints what the
// translation module settled on: "<LanguageCode> <Translate("종료")>".
#include "i18n/translate.h"
#include "i18n/translate_win.h"

#include <cstdio>

int wmain() {
    Vrel::Translate::InitializeTranslation();
    const std::string line = Vrel::Translate::LanguageCode() + " " + Vrel::Translate::Translate("종료");
    std::fputs(line.c_str(), stdout);
    return 0;
}
