#pragma once
// The styled-button layer's registry of style families, looked up by family name.
#include "appearance/styled_button_attributes.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vrel::StyledButtons {

struct TButtonFamily {
    std::string FamilyName;
    std::shared_ptr<const IStyledButtonAttributes> Attributes;
};

class TButtonFamilyRegistry {
public:
    // Adds a family under the name it gives itself; a family of the same name is replaced,
    // so the registry never holds two entries for one name. A null family is ignored.
    void Register(std::shared_ptr<const IStyledButtonAttributes> family);
    // The family of that name (ASCII case ignored), or null.
    [[nodiscard]] std::shared_ptr<const IStyledButtonAttributes> Find(std::string_view familyName) const;
    [[nodiscard]] const std::vector<TButtonFamily>& Families() const noexcept { return families_; }

private:
    std::vector<TButtonFamily> families_;
};

// The registry the styled buttons of this process draw from. UI thread only.
TButtonFamilyRegistry& ButtonFamilies();

// ASCII letters compared without regard to case; other bytes compared as they are.
bool SameNameIgnoringCase(std::string_view a, std::string_view b) noexcept;

}  // namespace Vrel::StyledButtons
