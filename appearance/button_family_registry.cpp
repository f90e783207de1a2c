#include "appearance/button_family_registry.h"

#include <algorithm>

namespace Vrel::StyledButtons {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) noexcept {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

void TButtonFamilyRegistry::Register(std::shared_ptr<const IStyledButtonAttributes> family) {
    if (!family) return;
    TButtonFamily entry{family->FamilyName(), std::move(family)};
    const auto same = std::find_if(families_.begin(), families_.end(), [&](const TButtonFamily& f) {
        return SameNameIgnoringCase(f.FamilyName, entry.FamilyName);
    });
    if (same != families_.end()) {
        *same = std::move(entry);
    } else {
        families_.push_back(std::move(entry));
    }
}

std::shared_ptr<const IStyledButtonAttributes> TButtonFamilyRegistry::Find(std::string_view familyName) const {
    for (const TButtonFamily& f : families_) {
        if (SameNameIgnoringCase(f.FamilyName, familyName)) return f.Attributes;
    }
    return nullptr;
}

TButtonFamilyRegistry& ButtonFamilies() {
    static TButtonFamilyRegistry registry;
    return registry;
}

}  // namespace Vrel::StyledButtons
