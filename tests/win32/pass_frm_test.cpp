#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "flat_ui_script.h"
#include "platform/win32/utf.h"
#include "ui/dialogs/pass_frm.h"
#include "ui/dialogs/pass_model.h"

namespace vesk::test {
namespace {

using engine::PromptResult;

class PassFrmTest : public ::testing::Test {
protected:
    HWND Field() const { return FindWindowExW(pass.hwnd(), nullptr, L"EDIT", nullptr); }
    HWND Button(const wchar_t* caption) const { return FindWindowExW(pass.hwnd(), nullptr, L"BUTTON", caption); }
    bool Focused(HWND control) const { return control && GetFocus() == control; }
    bool FieldFocused() const { return Focused(Field()); }
    std::wstring Typed() const { return WindowText(Field()); }
    // The retry message: a second prompt window.
    HWND Retry() const {
        for (HWND window : VisibleThreadWindows(L"TPassFrm")) {
            if (window != pass.hwnd()) return window;
        }
        return nullptr;
    }
    // Runs show() with the script, closing what stays open on a failure.
    template <typename Show>
    static auto Run(UiScript& script, Show show) {
        return script.Run(show, [] { CloseAll(L"TPassFrm"); });
    }

    ui::TPassFrm pass{GetModuleHandleW(nullptr), nullptr};
    UiScript script;
};

TEST_F(PassFrmTest, WrongPasswordShowsTheRetryMessageAndKeepsThePromptAndTheText) {
    std::wstring retryMessage;
    bool promptStayedOpen = false;
    std::wstring typedAfterRetry;
    script.Then("field focused", [&] { return FieldFocused(); }, [] { TypeText(L"Secre"); })
        .Then("typed", [&] { return Typed() == L"Secre"; }, [] { PressKey(VK_RETURN); })
        .Then("retry shown", [&] { return Retry() != nullptr; },
              [&] {
                  retryMessage = WindowText(FindWindowExW(Retry(), nullptr, L"STATIC", nullptr));
                  promptStayedOpen = IsWindowVisible(pass.hwnd()) != FALSE;
                  PressKey(VK_RETURN);
              })
        .Then("retry closed, field focused", [&] { return !Retry() && FieldFocused(); },
              [&] {
                  typedAfterRetry = Typed();
                  TypeText(L"t");
              })
        .Then("completed", [&] { return Typed() == L"Secret"; }, [] { PressKey(VK_RETURN); });

    EXPECT_EQ(Run(script, [&] { return pass.Ask("Enter Password", true, "Secret"); }), PromptResult::Ok);
    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_EQ(retryMessage, platform::win32::Widen(ui::PassModel::kRetryMessage));
    EXPECT_TRUE(promptStayedOpen);
    EXPECT_EQ(typedAfterRetry, L"Secre");
    EXPECT_FALSE(IsWindowVisible(pass.hwnd()));
}

TEST_F(PassFrmTest, OtherCaseIsRefusedAndEscapeThenCancels) {
    int retries = 0;
    script.Then("field focused", [&] { return FieldFocused(); }, [] { TypeText(L"secret"); })
        .Then("typed", [&] { return Typed() == L"secret"; }, [] { PressKey(VK_RETURN); })
        .Then("retry shown", [&] { return Retry() != nullptr; },
              [&] {
                  ++retries;
                  PressKey(VK_ESCAPE);
              })
        .Then("retry closed", [&] { return !Retry() && FieldFocused(); }, [] { PressKey(VK_ESCAPE); });

    EXPECT_EQ(Run(script, [&] { return pass.Ask("Enter Password", true, "Secret"); }), PromptResult::Cancel);
    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_EQ(retries, 1);
}

TEST_F(PassFrmTest, EscapeCancelsWhereverTheFocusIs) {
    script.Then("field focused", [&] { return FieldFocused(); }, [] { PressKey(VK_TAB); })
        .Then("on Ok", [&] { return Focused(Button(L"&Ok")); }, [] { PressKey(VK_ESCAPE); });
    EXPECT_EQ(Run(script, [&] { return pass.Ask("Exit Password", true, ""); }), PromptResult::Cancel);
    EXPECT_TRUE(script.Finished()) << script.failure();
}

TEST_F(PassFrmTest, EmptyPasswordPassesWithAnEmptyFieldByTheOkMnemonic) {
    script.Then("field focused", [&] { return FieldFocused(); }, [] { PressWithAlt('O'); });
    EXPECT_EQ(Run(script, [&] { return pass.Ask("Main Password", true, ""); }), PromptResult::Ok);
    EXPECT_TRUE(script.Finished()) << script.failure();
}

TEST_F(PassFrmTest, MessageModeEnterIsOkEvenOnTheCancelButton) {
    bool fieldHidden = false;
    script.Then("Ok focused", [&] { return Focused(Button(L"&Ok")); },
                [&] {
                    fieldHidden = !IsWindowVisible(Field());
                    PressKey(VK_TAB);
                })
        .Then("Cancel focused", [&] { return Focused(Button(L"&Cancel")); }, [] { PressKey(VK_RETURN); });
    EXPECT_EQ(Run(script, [&] { return pass.Ask("Really to Exit?", false, ""); }), PromptResult::Ok);
    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_TRUE(fieldHidden);
}

TEST_F(PassFrmTest, MessageModeCancelByMnemonicAndByTheCloseGlyph) {
    script.Then("shown", [&] { return Focused(Button(L"&Ok")); }, [] { PressKey('C'); });
    EXPECT_EQ(Run(script, [&] { return pass.Ask("Please Stop Recording first!", false, ""); }), PromptResult::Cancel);
    EXPECT_TRUE(script.Finished()) << script.failure();

    const HWND closeGlyph = FindWindowExW(pass.hwnd(), nullptr, L"TFlatSpeedButton", nullptr);
    UiScript glyph;
    glyph.Then("shown", [&] { return Focused(Button(L"&Ok")); }, [] {})
        .Until("pointer on the glyph", [&] { MouseTo(CentreOf(closeGlyph)); },
               [&] { return UnderPointer() == closeGlyph; })
        .Do("click", [] { Click(); });
    EXPECT_EQ(Run(glyph, [&] { return pass.Ask("Please Stop Recording first!", false, ""); }), PromptResult::Cancel);
    EXPECT_TRUE(glyph.Finished()) << glyph.failure();
}

TEST_F(PassFrmTest, NextTimeBoxIsReadAfterCloseAndSetAgainByTheNextQuestion) {
    script.Then("Ok focused", [&] { return Focused(Button(L"&Ok")); },
                [] { SendKeys({Key(VK_TAB, false), Key(VK_TAB, true), Key(VK_TAB, false), Key(VK_TAB, true)}); })
        .Then("box focused", [&] { return Focused(Button(L"Show Next Time")); }, [] { PressKey(VK_SPACE); })
        .Then("unticked", [&] { return !pass.NextTimeTicked(); }, [] { PressKey(VK_RETURN); });
    EXPECT_FALSE(Run(script, [&] { return pass.ShowWithNextTimeBox("Recording hint", true); }));
    EXPECT_TRUE(script.Finished()) << script.failure();

    bool tickedAgain = false;
    UiScript again;
    again.Then("shown", [&] { return Focused(Button(L"&Ok")); },
               [&] {
                   tickedAgain = pass.NextTimeTicked() && IsWindowVisible(Button(L"Show Next Time"));
                   PressKey(VK_ESCAPE);
               });
    EXPECT_TRUE(Run(again, [&] { return pass.ShowWithNextTimeBox("Recording hint", true); }));
    EXPECT_TRUE(again.Finished()) << again.failure();
    EXPECT_TRUE(tickedAgain);
}

TEST_F(PassFrmTest, ReuseAfterARefusalStartsWithAnEmptyField) {
    script.Then("field focused", [&] { return FieldFocused(); }, [] { TypeText(L"wrong"); })
        .Then("typed", [&] { return Typed() == L"wrong"; }, [] { PressKey(VK_RETURN); })
        .Then("retry shown", [&] { return Retry() != nullptr; }, [] { PressKey(VK_ESCAPE); })
        .Then("retry closed", [&] { return !Retry() && FieldFocused(); }, [] { PressKey(VK_ESCAPE); });
    EXPECT_EQ(Run(script, [&] { return pass.Ask("Enter Password", true, "right"); }), PromptResult::Cancel);
    EXPECT_TRUE(script.Finished()) << script.failure();

    std::wstring typedAtShow = L"unset";
    UiScript again;
    again.Then("field focused", [&] { return FieldFocused(); },
               [&] {
                   typedAtShow = Typed();
                   PressKey(VK_ESCAPE);
               });
    EXPECT_EQ(Run(again, [&] { return pass.Ask("Enter Password", true, "right"); }), PromptResult::Cancel);
    EXPECT_TRUE(again.Finished()) << again.failure();
    EXPECT_EQ(typedAtShow, L"");
}

TEST_F(PassFrmTest, ShowsCentredOnTopAndRefusesASecondQuestionMeanwhile) {
    RECT place{};
    LONG_PTR exStyle = 0;
    PromptResult nested = PromptResult::Ok;
    std::wstring messageAfterNested;
    script.Then("field focused", [&] { return FieldFocused(); },
                [&] {
                    GetWindowRect(pass.hwnd(), &place);
                    exStyle = GetWindowLongPtrW(pass.hwnd(), GWL_EXSTYLE);
                    nested = pass.Ask("Really to Exit?", false, "");
                    messageAfterNested = WindowText(FindWindowExW(pass.hwnd(), nullptr, L"STATIC", nullptr));
                    PressKey(VK_ESCAPE);
                });
    EXPECT_EQ(Run(script, [&] { return pass.Ask("Enter Password", true, "x"); }), PromptResult::Cancel);
    EXPECT_TRUE(script.Finished()) << script.failure();
    EXPECT_EQ(place.right - place.left, 301);
    EXPECT_EQ(place.bottom - place.top, 107);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - 301) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - 107) / 2);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(nested, PromptResult::Cancel);
    EXPECT_EQ(messageAfterNested, L"Enter Password");
}

}  // namespace
}  // namespace vesk::test
