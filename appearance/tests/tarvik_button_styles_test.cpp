#include "appearance/tarvik_button_styles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace Vrel::ButtonStyles {
namespace {

TEST(TarvikColours, DerivedColoursAreComputed) {
    struct Case { TColor got; std::uint32_t expected; const char* what; };
    const Case cases[] = {
        {Lighten(kAccentColor, 10), 0x5090E0, "accent +10%"},
        {Lighten(kAccentColor, 50), 0x9EC2EE, "accent +50%"},
        {GreyOf(Lighten(kAccentColor, 50)), 0xBCBCBC, "grey of accent +50%"},
        {Lighten(kAccentColor, 70), 0xC5DAF5, "accent +70%"},
        {GreyOf(Lighten(kAccentColor, 70)), 0xD7D7D7, "grey of accent +70%"},
        {Lighten(kBlack, 50), 0x808080, "black +50% (127.5 rounds away from zero)"},
        {GreyOf(Lighten(kBlack, 50)), 0x808080, "grey of black +50%"},
        {Lighten(kBlack, 70), 0xB3B3B3, "black +70% (178.5 rounds away from zero)"},
        {GreyOf(Lighten(kBlack, 70)), 0xB3B3B3, "grey of black +70%"},
        {Lighten(kWhite, 40), 0xFFFFFF, "white stays white"},
        {Lighten(kAccentColor, 0), 0x3D84DD, "0% changes nothing"},
        // Exact halves go to the even neighbour: 72.5 -> 72, 141.5 -> 142.
        {GreyOf(RgbColor(0x017B00)), 0x484848, "grey 72.5"},
        {GreyOf(RgbColor(0x06EE00)), 0x8E8E8E, "grey 141.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(ToRgb(c.got), c.expected) << c.what;
}

struct Row {
    bool fill;
    std::uint32_t fillColour;
    bool border;
    std::uint32_t borderColour;
    std::uint32_t caption;
};
using Table = std::array<Row, 5>;  // normal, pressed, selected, hot, disabled

const Table kNormal{{
    {true, 0x3D84DD, true, 0x3D84DD, 0xFFFFFF},
    {true, 0x3D84DD, true, 0x3D84DD, 0xFFFFFF},
    {true, 0x3D84DD, true, 0x3D84DD, 0xFFFFFF},
    {true, 0x5090E0, true, 0x3D84DD, 0xFFFFFF},
    {true, 0xFFFFFF, true, 0xC0C0C0, 0xC0C0C0},
}};
const Table kHeader{{
    {false, 0xFFFFFF, true, 0x000000, 0x000000},
    {true, 0x3D84DD, false, 0x3D84DD, 0xFFFFFF},
    {true, 0x5090E0, false, 0x3D84DD, 0xFFFFFF},
    {true, 0x3D84DD, false, 0x3D84DD, 0xFFFFFF},
    {false, 0xFFFFFF, true, 0xBCBCBC, 0x808080},
}};
const Table kOutline{{
    {false, 0x3D84DD, true, 0x3D84DD, 0x000000},
    {true, 0x3D84DD, true, 0x3D84DD, 0xFFFFFF},
    {true, 0x5090E0, true, 0x3D84DD, 0xFFFFFF},
    {true, 0x5090E0, true, 0x3D84DD, 0xFFFFFF},
    {false, 0x3D84DD, true, 0xD7D7D7, 0xB3B3B3},
}};

std::array<TStyledButtonAttributes, 5> Fill(std::string_view cls, std::string_view appearance) {
    std::array<TStyledButtonAttributes, 5> s;
    // Start from something the family must overwrite, and a radius it must leave alone.
    for (auto& a : s) {
        a.ButtonColor = a.BorderColor = a.FontColor = RgbColor(0x123456);
        a.BorderWidth = 9;
        a.FontStyle = fsBold | fsItalic;
        a.DrawType = TStyledButtonDrawType::btEllipse;
    }
    s[0].Radius = 4;
    TTarvikButtonStyles().FillStateAttributes("Tarvik", cls, appearance, s[0], s[1], s[2], s[3], s[4]);
    return s;
}

void ExpectTable(const std::array<TStyledButtonAttributes, 5>& got, const Table& want, const std::string& label) {
    const char* states[] = {"normal", "pressed", "selected", "hot", "disabled"};
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(label + " / " + states[i]);
        const TStyledButtonAttributes& a = got[i];
        EXPECT_EQ(a.ButtonDrawStyle == TButtonDrawStyle::btnSolid, want[i].fill);
        EXPECT_EQ(ToRgb(a.ButtonColor), want[i].fillColour);
        EXPECT_EQ(a.BorderDrawStyle == TBorderDrawStyle::brdSolid, want[i].border);
        EXPECT_EQ(ToRgb(a.BorderColor), want[i].borderColour);
        EXPECT_EQ(ToRgb(a.FontColor), want[i].caption);
        EXPECT_EQ(a.DrawType, TStyledButtonDrawType::btRoundRect);
        EXPECT_EQ(a.BorderWidth, 0);
        EXPECT_EQ(a.FontStyle, 0u);
        EXPECT_EQ(a.Radius, 4) << "the radius belongs to the button";
    }
}

TEST(TarvikButtonStyles, EveryStateOfEveryAppearanceMatchesItsTable) {
    struct Case { const char* appearance; const Table* table; };
    const Case cases[] = {
        {"Normal", &kNormal}, {"Header", &kHeader}, {"Outline", &kOutline},
        {"header", &kHeader}, {"OUTLINE", &kOutline}, {"nORMAL", &kNormal},
        {"", &kNormal}, {"Primary", &kNormal}, {"Headers", &kNormal}, {"Head", &kNormal},
    };
    for (const Case& c : cases) {
        for (const char* cls : {"Primary", "", "NoSuchClass"}) {
            ExpectTable(Fill(cls, c.appearance), *c.table,
                        std::string("appearance '") + c.appearance + "', class '" + cls + "'");
        }
    }
}

TEST(TarvikButtonStyles, NamesListsAndDialogStyle) {
    const TTarvikButtonStyles styles;
    EXPECT_EQ(styles.FamilyName(), "Tarvik");
    EXPECT_EQ(styles.ButtonClassList(), TButtonClasses{"Primary"});
    EXPECT_EQ(styles.AppearanceList(), (TButtonAppearances{"Normal", "Header", "Outline"}));
    for (int result : {0, 1, 2, 7, -1}) {
        std::string cls = "x", appearance = "Header";
        styles.StyleForModalResult(result, cls, appearance);
        EXPECT_EQ(cls, "Primary");
        EXPECT_EQ(appearance, "Normal");
    }
}

TEST(TarvikButtonStyles, RegistersOnceUnderItsName) {
    TButtonFamilyRegistry registry;
    EXPECT_EQ(registry.Find("Tarvik"), nullptr);
    RegisterTarvikButtonStyles(registry);
    const auto first = registry.Find("Tarvik");
    ASSERT_NE(first, nullptr);
    RegisterTarvikButtonStyles(registry);
    EXPECT_EQ(registry.Families().size(), 1u);
    EXPECT_EQ(registry.Find("tarvik"), first);
    EXPECT_EQ(registry.Families()[0].FamilyName, "Tarvik");
}

}  // namespace
}  // namespace Vrel::ButtonStyles
