#include "i18n/component.h"

#include "i18n/translate.h"

#include <gtest/gtest.h>

namespace Vrel::Translate {
namespace {

TEST(RoleOfWindow, ByClassNameIgnoringCase) {
    struct Case {
        const char* className;
        bool isChild;
        CaptionRole role;
    };
    const Case cases[] = {
        {"TFrmSorvane", false, CaptionRole::Form},
        {"#32770", false, CaptionRole::Form},
        {"Static", true, CaptionRole::Control},
        {"Button", true, CaptionRole::Control},
        {"TStyledButton", true, CaptionRole::Control},
        {"ComboBox", true, CaptionRole::ItemList},
        {"COMBOBOX", true, CaptionRole::ItemList},
        {"ToolbarWindow32", true, CaptionRole::Toolbar},
        {"Edit", true, CaptionRole::Untouched},
        {"edit", true, CaptionRole::Untouched},
        {"RICHEDIT50W", true, CaptionRole::Untouched},
        {"ListBox", true, CaptionRole::Untouched},
        {"ComboBoxEx32", true, CaptionRole::Untouched},
        {"tooltips_class32", false, CaptionRole::Untouched},
        {"EditLike", true, CaptionRole::Control},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoleOfWindow(c.className, c.isChild), c.role) << c.className;
    }
}

TEST(CaptionLanguage, FormIsEnglishForEveryLanguageButKorean) {
    struct Case {
        const char* code;
        const char* form;
        const char* control;
    };
    const Case cases[] = {{"ko", "ko", "ko"}, {"it", "en", "it"}, {"en", "en", "en"}, {"es", "en", "es"}};
    for (const Case& c : cases) {
        SetLanguageCode(c.code);
        EXPECT_EQ(CaptionLanguage(CaptionRole::Form), c.form) << c.code;
        EXPECT_EQ(CaptionLanguage(CaptionRole::Control), c.control) << c.code;
    }
}

}  // namespace
}  // namespace Vrel::Translate
