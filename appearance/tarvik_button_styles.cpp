#include "appearance/tarvik_button_styles.h"

#include <memory>

namespace Vrel::ButtonStyles {
namespace {

enum class Appearance { Normal, Header, Outline };

Appearance DecideAppearance(std::string_view name) noexcept {
    if (SameNameIgnoringCase(name, "Header")) return Appearance::Header;
    if (SameNameIgnoringCase(name, "Outline")) return Appearance::Outline;
    return Appearance::Normal;
}

constexpr TColor kAccentHot = Lighten(kAccentColor, 10);
constexpr TColor kSilver = RgbColor(0xC0C0C0);

// Sets what every state of every appearance shares, and the normal look of each appearance.
TStyledButtonAttributes NormalLook(Appearance appearance, TStyledButtonAttributes a) {
    a.DrawType = TStyledButtonDrawType::btRoundRect;
    a.BorderWidth = 0;
    a.FontStyle = 0;
    a.BorderDrawStyle = TBorderDrawStyle::brdSolid;
    switch (appearance) {
    case Appearance::Normal:
        a.ButtonDrawStyle = TButtonDrawStyle::btnSolid;
        a.ButtonColor = kAccentColor;
        a.BorderColor = kAccentColor;
        a.FontColor = kWhite;
        break;
    case Appearance::Header:
        a.ButtonDrawStyle = TButtonDrawStyle::btnClear;
        a.ButtonColor = kWhite;
        a.BorderColor = kBlack;
        a.FontColor = kBlack;
        break;
    case Appearance::Outline:
        a.ButtonDrawStyle = TButtonDrawStyle::btnClear;
        a.ButtonColor = kAccentColor;
        a.BorderColor = kAccentColor;
        a.FontColor = kBlack;
        break;
    }
    return a;
}

void Solid(TStyledButtonAttributes& a, TColor fill, TColor font) {
    a.ButtonDrawStyle = TButtonDrawStyle::btnSolid;
    a.ButtonColor = fill;
    a.FontColor = font;
}

}  // namespace

void TTarvikButtonStyles::FillStateAttributes(std::string_view, std::string_view, std::string_view appearance,
                                              TStyledButtonAttributes& normal, TStyledButtonAttributes& pressed,
                                              TStyledButtonAttributes& selected, TStyledButtonAttributes& hot,
                                              TStyledButtonAttributes& disabled) const {
    const Appearance kind = DecideAppearance(appearance);
    normal = NormalLook(kind, normal);
    pressed = selected = hot = disabled = normal;

    switch (kind) {
    case Appearance::Normal:
        hot.ButtonColor = kAccentHot;
        disabled.ButtonColor = kWhite;
        disabled.BorderColor = kSilver;
        disabled.FontColor = kSilver;
        break;
    case Appearance::Header:
        for (TStyledButtonAttributes* a : {&pressed, &selected, &hot}) {
            Solid(*a, kAccentColor, kWhite);
            a->BorderDrawStyle = TBorderDrawStyle::brdClear;
            a->BorderColor = kAccentColor;
        }
        selected.ButtonColor = kAccentHot;
        disabled.BorderColor = GreyOf(Lighten(kAccentColor, 50));
        disabled.FontColor = GreyOf(Lighten(kBlack, 50));
        break;
    case Appearance::Outline:
        Solid(pressed, kAccentColor, kWhite);
        Solid(selected, kAccentHot, kWhite);
        Solid(hot, kAccentHot, kWhite);
        disabled.BorderColor = GreyOf(Lighten(kAccentColor, 70));
        disabled.FontColor = GreyOf(Lighten(kBlack, 70));
        break;
    }
}

std::string TTarvikButtonStyles::FamilyName() const { return "Tarvik"; }

const TButtonClasses& TTarvikButtonStyles::ButtonClassList() const {
    static const TButtonClasses classes{"Primary"};
    return classes;
}

const TButtonAppearances& TTarvikButtonStyles::AppearanceList() const {
    static const TButtonAppearances appearances{"Normal", "Header", "Outline"};
    return appearances;
}

void TTarvikButtonStyles::StyleForModalResult(int, std::string& buttonClass, std::string& appearance) const {
    buttonClass = "Primary";
    appearance = "Normal";
}

void RegisterTarvikButtonStyles(TButtonFamilyRegistry& registry) {
    if (registry.Find("Tarvik")) return;
    registry.Register(std::make_shared<const TTarvikButtonStyles>());
}

}  // namespace Vrel::ButtonStyles
