#include "app/version_format.h"

namespace Vrel::App {

std::string FormatVersion(std::string_view format, const VersionNumbers& numbers) {
    std::string out;
    out.reserve(format.size() + 8);
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            const char directive = format[i + 1];
            if (directive == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (directive == 'd' && next < numbers.size()) {
                out += std::to_string(numbers[next++]);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace Vrel::App
