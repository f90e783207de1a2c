#include "appearance/button_look.h"
#include "appearance/tarvik_button_styles.h"

#include <gtest/gtest.h>

#include <memory>

namespace Vrel::StyledButtons {
namespace {

TEST(ChooseButtonState, DisabledThenPressedThenHotThenSelected) {
    struct Case { TButtonInput in; TButtonState want; };
    const Case cases[] = {
        {{true, false, false, false, false}, TButtonState::Normal},
        {{true, false, false, true, false}, TButtonState::Hot},
        {{true, true, false, true, false}, TButtonState::Pressed},
        {{true, false, true, false, false}, TButtonState::Pressed},   // down, pointer away
        {{true, false, true, true, false}, TButtonState::Pressed},    // down beats hot
        {{true, false, false, false, true}, TButtonState::Selected},
        {{true, false, false, true, true}, TButtonState::Hot},        // hot beats focus
        {{false, true, true, true, true}, TButtonState::Disabled},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseButtonState(c.in), c.want)
            << c.in.Enabled << c.in.Held << c.in.Down << c.in.PointerOver << c.in.Focused;
    }
}

class ButtonLookTest : public ::testing::Test {
protected:
    TStateAttributes For(const char* appearance, int radius) {
        return AttributesFromFamily(&styles_, "Tarvik", "Primary", appearance, radius);
    }
    ButtonStyles::TTarvikButtonStyles styles_;
};

TEST_F(ButtonLookTest, FlatHeaderButtonsNeverShowABorder) {
    const TStateAttributes header = For("Header", 4);
    const TButtonInput away{}, over{true, false, false, true, false}, down{true, false, true, false, false},
        disabled{false, false, false, false, false};

    const TButtonLook rest = ResolveButtonLook(header, true, away);
    EXPECT_FALSE(rest.Fill);
    EXPECT_FALSE(rest.Border) << "the solid black border of the normal state is suppressed";
    EXPECT_EQ(ToRgb(rest.CaptionColor), 0x000000u);
    EXPECT_EQ(rest.Radius, 4);

    for (const TButtonInput& in : {over, down}) {
        const TButtonLook look = ResolveButtonLook(header, true, in);
        EXPECT_TRUE(look.Fill);
        EXPECT_EQ(ToRgb(look.FillColor), 0x3D84DDu);
        EXPECT_FALSE(look.Border);
        EXPECT_EQ(ToRgb(look.CaptionColor), 0xFFFFFFu);
    }
    const TButtonLook off = ResolveButtonLook(header, true, disabled);
    EXPECT_FALSE(off.Fill);
    EXPECT_FALSE(off.Border);
    EXPECT_EQ(ToRgb(off.CaptionColor), 0x808080u);
}

TEST_F(ButtonLookTest, CleanButtonKeepsItsOutline) {
    const TStateAttributes outline = For("Outline", 6);
    struct Case { TButtonInput in; bool fill; std::uint32_t fillColour, border, caption; };
    const Case cases[] = {
        {{}, false, 0, 0x3D84DD, 0x000000},
        {{true, false, false, true, false}, true, 0x5090E0, 0x3D84DD, 0xFFFFFF},
        {{true, true, false, true, false}, true, 0x3D84DD, 0x3D84DD, 0xFFFFFF},
        {{false, false, false, false, false}, false, 0, 0xD7D7D7, 0xB3B3B3},
    };
    for (const Case& c : cases) {
        const TButtonLook look = ResolveButtonLook(outline, false, c.in);
        EXPECT_EQ(look.Fill, c.fill);
        if (c.fill) {
            EXPECT_EQ(ToRgb(look.FillColor), c.fillColour);
        }
        EXPECT_TRUE(look.Border);
        EXPECT_EQ(look.BorderWidth, 0) << "hairline";
        EXPECT_EQ(ToRgb(look.BorderColor), c.border);
        EXPECT_EQ(ToRgb(look.CaptionColor), c.caption);
        EXPECT_EQ(look.Radius, 6);
    }
}

TEST(AttributesFromFamily, UnknownFamilyKeepsDefaultsAndTheRadius) {
    const TStateAttributes a = AttributesFromFamily(nullptr, "Nobody", "", "Header", 9);
    TStyledButtonAttributes expected;
    expected.Radius = 9;
    EXPECT_EQ(a.Normal, expected);
    EXPECT_EQ(a.Disabled, expected);
}

TEST(ButtonFamilyRegistry, FindsByNameAndReplacesSameName) {
    TButtonFamilyRegistry registry;
    registry.Register(nullptr);
    EXPECT_TRUE(registry.Families().empty());

    const auto one = std::make_shared<const ButtonStyles::TTarvikButtonStyles>();
    const auto two = std::make_shared<const ButtonStyles::TTarvikButtonStyles>();
    registry.Register(one);
    registry.Register(two);
    ASSERT_EQ(registry.Families().size(), 1u);
    EXPECT_EQ(registry.Find("TARVIK"), two);
    EXPECT_EQ(registry.Find("Tarvi"), nullptr);
    EXPECT_EQ(registry.Find(""), nullptr);
}

TEST(SameNameIgnoringCase, OnlyAsciiLettersFold) {
    EXPECT_TRUE(SameNameIgnoringCase("Header", "hEADER"));
    EXPECT_FALSE(SameNameIgnoringCase("Header", "Header "));
    EXPECT_FALSE(SameNameIgnoringCase("\xC3\x89", "\xC3\xA9"));  // É vs é stay different
    EXPECT_TRUE(SameNameIgnoringCase("", ""));
}

}  // namespace
}  // namespace Vrel::StyledButtons
