#pragma once
// The styled-button layer's contract with a button style family: the drawing attributes of one
// state, and the interface through which a family fills them for the five states.
#include "appearance/color.h"

#include <string>
#include <string_view>
#include <vector>

namespace Vrel::StyledButtons {

enum class TStyledButtonDrawType { btRoundRect, btRounded, btRect, btEllipse };
enum class TButtonDrawStyle { btnClear, btnSolid };
enum class TBorderDrawStyle { brdClear, brdSolid };

enum TFontStyle : unsigned { fsBold = 1u, fsItalic = 2u, fsUnderline = 4u, fsStrikeOut = 8u };
using TFontStyles = unsigned;  // a set of TFontStyle flags

enum TRoundedCorner : unsigned { rcTopLeft = 1u, rcTopRight = 2u, rcBottomRight = 4u, rcBottomLeft = 8u };
inline constexpr unsigned kAllCorners = rcTopLeft | rcTopRight | rcBottomRight | rcBottomLeft;

struct TStyledButtonAttributes {
    TStyledButtonDrawType DrawType = TStyledButtonDrawType::btRoundRect;
    TButtonDrawStyle ButtonDrawStyle = TButtonDrawStyle::btnSolid;
    TColor ButtonColor = kWhite;
    TBorderDrawStyle BorderDrawStyle = TBorderDrawStyle::brdSolid;
    TColor BorderColor = kBlack;
    int BorderWidth = 0;  // 96-DPI pixels; 0 with a solid border means a hairline
    TColor FontColor = kBlack;
    TFontStyles FontStyle = 0;
    // Set by the button, never by a family.
    int Radius = 6;
    unsigned RoundedCorners = kAllCorners;

    friend bool operator==(const TStyledButtonAttributes&, const TStyledButtonAttributes&) = default;
};

using TButtonClasses = std::vector<std::string>;
using TButtonAppearances = std::vector<std::string>;

class IStyledButtonAttributes {
public:
    virtual ~IStyledButtonAttributes() = default;

    // Fills the five state sets for a control of the given family, class and appearance.
    virtual void FillStateAttributes(std::string_view family, std::string_view buttonClass,
                                     std::string_view appearance, TStyledButtonAttributes& normal,
                                     TStyledButtonAttributes& pressed, TStyledButtonAttributes& selected,
                                     TStyledButtonAttributes& hot, TStyledButtonAttributes& disabled) const = 0;
    virtual std::string FamilyName() const = 0;
    virtual const TButtonClasses& ButtonClassList() const = 0;
    virtual const TButtonAppearances& AppearanceList() const = 0;
    // The class and appearance a dialog button with this result gets.
    virtual void StyleForModalResult(int modalResult, std::string& buttonClass, std::string& appearance) const = 0;
};

}  // namespace Vrel::StyledButtons
