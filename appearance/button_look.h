#pragma once
// What a styled button shows: which of its five states applies, and what to draw in it.
#include "appearance/styled_button_attributes.h"

#include <string_view>

namespace Vrel::StyledButtons {

enum class TButtonState { Normal, Pressed, Selected, Hot, Disabled };

struct TStateAttributes {
    TStyledButtonAttributes Normal, Pressed, Selected, Hot, Disabled;
    [[nodiscard]] const TStyledButtonAttributes& For(TButtonState state) const noexcept;
};

// The five sets the family fills for this class and appearance, with the button's radius.
// An unknown family leaves the layer's defaults in place.
TStateAttributes AttributesFromFamily(const IStyledButtonAttributes* family, std::string_view familyName,
                                      std::string_view buttonClass, std::string_view appearance, int radius);

struct TButtonInput {
    bool Enabled = true;
    bool Held = false;         // the mouse button went down on it and the pointer is still over it
    bool Down = false;         // the button is set down (the current page's header button)
    bool PointerOver = false;
    bool Focused = false;
};

// Disabled, else pressed (held or down), else hot, else selected (focused), else normal.
TButtonState ChooseButtonState(const TButtonInput& input) noexcept;

struct TButtonLook {
    TStyledButtonDrawType DrawType = TStyledButtonDrawType::btRoundRect;
    bool Fill = false;
    TColor FillColor;
    bool Border = false;
    TColor BorderColor;
    int BorderWidth = 0;  // 96-DPI pixels; 0 draws a hairline
    TColor CaptionColor;
    TFontStyles FontStyle = 0;
    int Radius = 0;
    unsigned RoundedCorners = kAllCorners;
};

// A flat button draws no border while the pointer is away and it has no focus.
TButtonLook ResolveButtonLook(const TStateAttributes& attributes, bool flat, const TButtonInput& input) noexcept;

}  // namespace Vrel::StyledButtons
