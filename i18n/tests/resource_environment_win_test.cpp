#include "i18n/resource_environment_win.h"

#include "i18n/embedded_table.h"
#include "platform/testing/process.h"
#include "platform/text.h"

#include <gtest/gtest.h>

namespace Vrel::Translate {
namespace {

TEST(ResourceTranslationEnvironment, OwnResourceHoldsTheDataFilesBytes) {
    const auto bytes = ResourceTranslationEnvironment().TableBytes();
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, EmbeddedTableBytes());
}

TEST(ResourceTranslationEnvironment, SorvaneExeCarriesTheTable) {
    const std::wstring exe = Vrel::Testing::ExeFolder() + L"..\\bin\\Sorvane.exe";
    if (::GetFileAttributesW(exe.c_str()) == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "Sorvane.exe not built";
    HMODULE module = ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    const auto bytes = ResourceTranslationEnvironment(module).TableBytes();
    ::FreeLibrary(module);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, EmbeddedTableBytes());
}

TEST(ResourceTranslationEnvironment, ModuleWithoutTheResourceGivesNothing) {
    // kernel32 has resources, but no "translate".
    EXPECT_FALSE(ResourceTranslationEnvironment(::GetModuleHandleW(L"kernel32.dll")).TableBytes().has_value());
}

TEST(ResourceTranslationEnvironment, UserLanguageNameIsTheLocalesIsoName) {
    wchar_t expected[16] = {};
    ASSERT_GT(::GetLocaleInfoW(::GetUserDefaultLCID(), LOCALE_SISO639LANGNAME, expected, 16), 0);
    EXPECT_EQ(ResourceTranslationEnvironment().UserLanguageName(), Platform::Narrow(expected));
}

}  // namespace
}  // namespace Vrel::Translate
