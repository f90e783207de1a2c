#pragma once
// The offer's and the status strip's own texts, in eight language variants. Not part of the
// translation table: German has its own texts here and Arabic falls back to English.
#include <string>
#include <string_view>

namespace Vrel::Update {

enum class TUpdateTextKind { Offer = 0, Status = 1, Yes = 2, No = 3 };

// Language is the two-letter code, compared exactly ("ko", "ja", "zh", "de", "ru", "it", "fr");
// any other code gets English. The offer's paragraphs are joined by two carriage returns.
std::string UpdateText(TUpdateTextKind kind, std::string_view language);

}  // namespace Vrel::Update
