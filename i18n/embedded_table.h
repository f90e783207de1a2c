#pragma once
// The bytes of translate.txt, compiled in at build time (for builds without the exe's resource,
// and for tests that compare the resource with the data file).
#include <string_view>

namespace Vrel::Translate {

std::string_view EmbeddedTableBytes() noexcept;

}  // namespace Vrel::Translate
