// The update offer under Wine: what it shows for each "info", what the answers do.
#include "platform/testing/process.h"
#include "platform/text.h"
#include "update/check_update.h"
#include "update/tests/service_win.h"
#include "update/tests/window_testing_win.h"
#include "update/offer_layout.h"
#include "update/update_dialog.h"
#include "update/update_status.h"

#include <gtest/gtest.h>

namespace Vrel::Update {
namespace {

using Testing::DialogResponder;
using Testing::RecordingShell;

int ScalePercentForTest(int value) { return ScalePercent(value, DpiPercent(::GetDpiForSystem())); }

// What the helper thread saw of the dialog while it was open.
struct Seen {
    std::wstring caption, text, yes, no, extra;
    bool boxVisible = false, linkVisible = false, topmost = false, hasOwner = false, smallIcon = false;
    int height = 0;
    HWND focus = nullptr;
};

Seen Look(HWND dialog) {
    Seen seen;
    seen.caption = Testing::WindowText(dialog);
    seen.text = Testing::WindowText(::GetDlgItem(dialog, kOfferTextId));
    seen.yes = Testing::WindowText(::GetDlgItem(dialog, IDYES));
    seen.no = Testing::WindowText(::GetDlgItem(dialog, IDNO));
    seen.boxVisible = ::IsWindowVisible(::GetDlgItem(dialog, kHoldBoxId)) != FALSE;
    seen.linkVisible = ::IsWindowVisible(::GetDlgItem(dialog, kNoteLinkId)) != FALSE;
    seen.extra = Testing::WindowText(::GetDlgItem(dialog, seen.boxVisible ? kHoldBoxId : kNoteLinkId));
    seen.topmost = (::GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    seen.hasOwner = ::GetWindow(dialog, GW_OWNER) != nullptr;
    seen.smallIcon = ::SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0) != 0;
    RECT r{};
    ::GetWindowRect(dialog, &r);
    seen.height = r.bottom - r.top;
    return seen;
}

class OfferTest : public ::testing::Test {
protected:
    TOfferOptions Options(const std::string& language = "en") {
        TOfferOptions options;
        options.Owner = owner.Handle();
        options.Caption = L"Sorvane";
        options.Language = language;
        options.Shell = &shell;
        options.SendHold = [this] { ++holds; };
        return options;
    }

    // Shows the offer; the helper looks, optionally acts, then presses the button.
    bool Run(const std::string& answer, const TOfferOptions& options, int button, Seen& seen,
             const std::function<void(HWND)>& act = {}) {
        DialogResponder responder(::GetCurrentThreadId(), [&](HWND dialog) {
            seen = Look(dialog);
            if (act) act(dialog);
            if (button) ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        });
        const bool yes = UpdateDialog(answer, options);
        EXPECT_TRUE(responder.Found());
        return yes;
    }

    Testing::TestWindow owner{360, 200};
    RecordingShell shell;
    int holds = 0;
};

TEST_F(OfferTest, PlainOfferInTheUsersLanguage) {
    Seen seen;
    EXPECT_FALSE(Run(R"({"update":"https://u"})", Options("ar"), IDNO, seen));
    EXPECT_EQ(seen.caption, L"Sorvane");
    EXPECT_EQ(seen.text, L"This program has been updated.\r\n\r\nIt is recommended to download and execute new "
                         L"for stable use.\r\n\r\nDo you want to download it?");
    EXPECT_EQ(seen.yes, L"Yes");
    EXPECT_EQ(seen.no, L"No");
    EXPECT_FALSE(seen.boxVisible);
    EXPECT_FALSE(seen.linkVisible);
    EXPECT_FALSE(seen.topmost);
    EXPECT_TRUE(seen.hasOwner);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(holds, 0);
}

TEST_F(OfferTest, GermanTextsAndYes) {
    Seen seen;
    EXPECT_TRUE(Run(R"({"update":"https://u"})", Options("de"), IDYES, seen));
    EXPECT_EQ(seen.yes, L"Ja");
    EXPECT_EQ(seen.no, L"Nein");
    EXPECT_EQ(seen.text.substr(0, 40), L"Dieses Programm ist aktualisiert worden.");
    EXPECT_TRUE(shell.opened.empty());  // the caller opens the "update" value
}

TEST_F(OfferTest, KeysAnswer) {
    struct Row {
        WPARAM key;
        bool yes;
    };
    for (const Row row : {Row{VK_ESCAPE, false}, Row{VK_RETURN, true}}) {
        Seen seen;
        const bool yes = Run(R"({"update":"https://u"})", Options(), 0, seen, [&](HWND dialog) {
            HWND focus = ::GetDlgItem(dialog, IDYES);
            ::PostMessageW(focus, WM_KEYDOWN, row.key, 0);
            ::PostMessageW(focus, WM_KEYUP, row.key, 0xC0000000);
        });
        EXPECT_EQ(yes, row.yes) << row.key;
    }
}

TEST_F(OfferTest, TheCloseBoxAnswersNo) {
    Seen seen;
    EXPECT_FALSE(Run(R"({"update":"https://u"})", Options(), 0, seen,
                     [](HWND dialog) { ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }));
}

TEST_F(OfferTest, AStyleInOtherCaseAddsTheLineButNoBox) {
    Seen plain, other;
    Run(R"({"update":"https://u"})", Options(), IDNO, plain);
    Run(R"({"update":"https://u","info":{"style":"Hold","text":"Do not remind me"}})", Options(), IDNO, other);
    EXPECT_EQ(other.height, plain.height + ScalePercentForTest(30));
    EXPECT_FALSE(other.boxVisible);
    EXPECT_FALSE(other.linkVisible);
}

TEST_F(OfferTest, HoldBoxTickedAndNoSendsHoldAndOpensNothing) {
    Seen seen;
    const std::string answer =
        R"({"update":"https://u","info":{"style":"hold","text":"Do not show this again","flag":""}})";
    EXPECT_FALSE(Run(answer, Options(), IDNO, seen, [](HWND dialog) {
        ::SendMessageW(::GetDlgItem(dialog, kHoldBoxId), BM_CLICK, 0, 0);
    }));
    EXPECT_TRUE(seen.boxVisible);
    EXPECT_EQ(seen.extra, L"Do not show this again");
    EXPECT_EQ(holds, 1);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(OfferTest, HoldBoxLeftAloneSendsNothing) {
    Seen seen;
    EXPECT_TRUE(Run(R"({"update":"https://u","info":{"style":"hold","text":"x"}})", Options(), IDYES, seen));
    EXPECT_EQ(holds, 0);
}

TEST_F(OfferTest, HoldBoxTickedSendsTheRealRequestToTheService) {
    Testing::ServiceSession service(R"([{"status":200,"body":"{}"}])");
    auto options = Options();
    options.SendHold = nullptr;  // the real request on its own thread
    options.ServiceUrl = service.Url();
    Seen seen;
    EXPECT_TRUE(Run(R"({"update":"https://u","info":{"style":"hold","text":"x"}})", options, IDYES, seen,
                    [](HWND dialog) { ::SendMessageW(::GetDlgItem(dialog, kHoldBoxId), BM_CLICK, 0, 0); }));
    ASSERT_TRUE(service.WaitForRequests(1, 20000));
    EXPECT_EQ(Testing::OwnHeaders(service.Requests()[0]),
              (Platform::HttpHeaders{{"User-Version", "1.9.4.0"}, {"User-Command", "hold"}}));
}

TEST_F(OfferTest, TheNoteLinkOpensUrlAndLeavesTheDialogOpen) {
    Seen seen;
    bool openAfterClick = false;
    const std::string answer =
        R"({"update":"https://update.example/setup.exe","info":{"style":"note","text":"What is new","url":"https://note.example/news"}})";
    EXPECT_TRUE(Run(answer, Options(), IDYES, seen, [&](HWND dialog) {
        Testing::ClickControl(::GetDlgItem(dialog, kNoteLinkId));
        openAfterClick = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
    }));
    EXPECT_TRUE(seen.linkVisible);
    EXPECT_EQ(seen.extra, L"What is new");
    EXPECT_TRUE(openAfterClick);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], L"https://note.example/news");
}

TEST_F(OfferTest, ANoteLinkToAProgramNeverReachesTheShell) {
    Seen seen;
    Run(R"({"update":"https://u","info":{"style":"note","text":"x","url":"C:\\windows\\system32\\calc.exe"}})",
        Options(), IDNO, seen, [](HWND dialog) { Testing::ClickControl(::GetDlgItem(dialog, kNoteLinkId)); });
    EXPECT_TRUE(seen.linkVisible);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(OfferTest, StayOnTopIsCaseSensitiveAndFoundAfterOtherWords) {
    struct Row {
        const char* flag;
        bool topmost;
    };
    for (const Row row : {Row{"big stayontop", true}, Row{"StayOnTop", false}}) {
        Seen seen;
        Run(std::string(R"({"update":"https://u","info":{"flag":")") + row.flag + R"("}})", Options(), IDNO, seen);
        EXPECT_EQ(seen.topmost, row.topmost) << row.flag;
        EXPECT_TRUE(seen.hasOwner);
        EXPECT_FALSE(seen.smallIcon);
    }
}

TEST_F(OfferTest, StayOnTopAfterAHiddenStartHasNoOwnerAndTheAppIcon) {
    auto options = Options();
    options.StartedHidden = true;
    options.AppIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    Seen seen;
    Run(R"({"update":"https://u","info":{"flag":"stayontop"}})", options, IDNO, seen);
    EXPECT_TRUE(seen.topmost);
    EXPECT_FALSE(seen.hasOwner);
    EXPECT_TRUE(seen.smallIcon);
}

// The offer and the strip through the whole check: offer first, strip once it is closed.
class ScriptedHttp final : public Platform::IHttpClient {
public:
    explicit ScriptedHttp(std::string answer) : answer_(std::move(answer)) {}
    bool GetText(std::string_view, const Platform::HttpHeaders&, std::string& body) noexcept override {
        body = answer_;
        return true;
    }

private:
    std::string answer_;
};

struct CheckRun {
    bool stripWhileOffer = true;
    bool called = false, accepted = false;
};

CheckRun RunCheckWithAnswer(HWND main, RecordingShell& shell, const std::string& answer, int button) {
    CheckRun run;
    ScriptedHttp http(answer);
    DialogResponder responder(::GetCurrentThreadId(), [&](HWND dialog) {
        run.stripWhileOffer = ::GetDlgItem(main, kStatusBarId) != nullptr;
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
    TUpdatePresentation presentation{main, L"Sorvane", {}, "en"};
    presentation.Shell = &shell;
    CheckUpdate(
        "https://localhost/unused", [&](bool accepted, const std::string&) { run.called = true, run.accepted = accepted; },
        10, presentation, {&http, nullptr, {}});
    Vrel::Testing::WaitFor([&] { return run.called; }, 20000);
    return run;
}

TEST(UpdateAndNotify, TheOfferComesFirstThenTheStrip) {
    Testing::TestWindow main(360, 200);
    RecordingShell shell;
    const auto run = RunCheckWithAnswer(main.Handle(), shell,
                                        R"({"update":"https://u.example/new","notify":"https://n.example/"})", IDYES);
    EXPECT_FALSE(run.stripWhileOffer);
    EXPECT_TRUE(run.called);
    EXPECT_TRUE(run.accepted);
    EXPECT_NE(::GetDlgItem(main.Handle(), kStatusBarId), nullptr);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], L"https://u.example/new");
}

TEST(UpdateAndNotify, AYesToAnOfferThatIsNoWebAddressOpensNothingAndIsNotAccepted) {
    Testing::TestWindow main(360, 200);
    RecordingShell shell;
    const auto run = RunCheckWithAnswer(main.Handle(), shell, R"({"update":"C:\\Windows\\notepad.exe"})", IDYES);
    EXPECT_TRUE(run.called);
    EXPECT_FALSE(run.accepted);
    EXPECT_TRUE(shell.opened.empty());
}

}  // namespace
}  // namespace Vrel::Update
