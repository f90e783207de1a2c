#pragma once
// A translation environment whose table and user language a test chooses.
#include "i18n/translate_environment.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace Vrel::Translate::Testing {

class FakeEnvironment final : public ITranslationEnvironment {
public:
    FakeEnvironment(std::optional<std::string> table, std::optional<std::string> language)
        : table_(std::move(table)), language_(std::move(language)) {}

    std::optional<std::string> TableBytes() const override {
        if (throwOnRead) throw std::runtime_error("unreadable resource");
        return table_;
    }
    std::optional<std::string> UserLanguageName() const override { return language_; }

    bool throwOnRead = false;

private:
    std::optional<std::string> table_;
    std::optional<std::string> language_;
};

}  // namespace Vrel::Translate::Testing
