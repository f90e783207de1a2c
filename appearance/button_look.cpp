#include "appearance/button_look.h"

namespace Vrel::StyledButtons {

const TStyledButtonAttributes& TStateAttributes::For(TButtonState state) const noexcept {
    switch (state) {
    case TButtonState::Pressed: return Pressed;
    case TButtonState::Selected: return Selected;
    case TButtonState::Hot: return Hot;
    case TButtonState::Disabled: return Disabled;
    case TButtonState::Normal: break;
    }
    return Normal;
}

TStateAttributes AttributesFromFamily(const IStyledButtonAttributes* family, std::string_view familyName,
                                      std::string_view buttonClass, std::string_view appearance, int radius) {
    TStateAttributes a;
    if (family) {
        family->FillStateAttributes(familyName, buttonClass, appearance, a.Normal, a.Pressed, a.Selected, a.Hot,
                                    a.Disabled);
    }
    for (TStyledButtonAttributes* s : {&a.Normal, &a.Pressed, &a.Selected, &a.Hot, &a.Disabled}) {
        s->Radius = radius;
        s->RoundedCorners = kAllCorners;
    }
    return a;
}

TButtonState ChooseButtonState(const TButtonInput& input) noexcept {
    if (!input.Enabled) return TButtonState::Disabled;
    if (input.Held || input.Down) return TButtonState::Pressed;
    if (input.PointerOver) return TButtonState::Hot;
    if (input.Focused) return TButtonState::Selected;
    return TButtonState::Normal;
}

TButtonLook ResolveButtonLook(const TStateAttributes& attributes, bool flat, const TButtonInput& input) noexcept {
    const TStyledButtonAttributes& a = attributes.For(ChooseButtonState(input));
    TButtonLook look;
    look.DrawType = a.DrawType;
    look.Fill = a.ButtonDrawStyle == TButtonDrawStyle::btnSolid;
    look.FillColor = a.ButtonColor;
    look.Border = a.BorderDrawStyle == TBorderDrawStyle::brdSolid && !(flat && !input.PointerOver && !input.Focused);
    look.BorderColor = a.BorderColor;
    look.BorderWidth = a.BorderWidth;
    look.CaptionColor = a.FontColor;
    look.FontStyle = a.FontStyle;
    look.Radius = a.Radius;
    look.RoundedCorners = a.RoundedCorners;
    return look;
}

}  // namespace Vrel::StyledButtons
