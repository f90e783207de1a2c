#pragma once
// The program's own button style family, "Tarvik": appearances "Normal" (solid accent),
// "Header" (navigation buttons on a white strip) and "Outline" (outlined, fills on hover).
#include "appearance/button_family_registry.h"
#include "appearance/styled_button_attributes.h"

namespace Vrel::ButtonStyles {

using namespace Vrel::StyledButtons;

class TTarvikButtonStyles final : public IStyledButtonAttributes {
public:
    void FillStateAttributes(std::string_view family, std::string_view buttonClass, std::string_view appearance,
                             TStyledButtonAttributes& normal, TStyledButtonAttributes& pressed,
                             TStyledButtonAttributes& selected, TStyledButtonAttributes& hot,
                             TStyledButtonAttributes& disabled) const override;
    std::string FamilyName() const override;
    const TButtonClasses& ButtonClassList() const override;
    const TButtonAppearances& AppearanceList() const override;
    void StyleForModalResult(int modalResult, std::string& buttonClass, std::string& appearance) const override;
};

// Registers the family once; call at start, before any window is created. Later calls do nothing.
void RegisterTarvikButtonStyles(TButtonFamilyRegistry& registry = ButtonFamilies());

}  // namespace Vrel::ButtonStyles
