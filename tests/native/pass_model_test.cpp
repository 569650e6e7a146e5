#include <gtest/gtest.h>

#include "ui/dialogs/pass_model.h"

namespace vesk::ui {
namespace {

using Action = PassModel::Action;
using Key = PassModel::Key;

PassModel PasswordQuestion(const std::string& expected) {
    PassModel model;
    model.Prepare("Enter Password", expected, true, false, false);
    return model;
}

TEST(PassModelOk, PassesOnlyTheExactBytes) {
    auto model = PasswordQuestion("Se cret\xc3\xa9");
    const std::pair<std::string, Action> cases[] = {
        {"Se cret\xc3\xa9", Action::CloseOk},
        {"se cret\xc3\xa9", Action::Retry},
        {"SE CRET\xc3\x89", Action::Retry},
        {" Se cret\xc3\xa9", Action::Retry},
        {"Se cret\xc3\xa9 ", Action::Retry},
        {"Secret\xc3\xa9", Action::Retry},
        {"Se cret", Action::Retry},
        {"", Action::Retry},
    };
    for (const auto& [typed, expected] : cases) {
        model.setTyped(typed);
        EXPECT_EQ(model.Ok(), expected) << '"' << typed << '"';
    }
}

TEST(PassModelOk, EmptyPasswordMatchesOnlyAnEmptyField) {
    auto model = PasswordQuestion("");
    EXPECT_EQ(model.Ok(), Action::CloseOk);
    for (const char* typed : {" ", "a", "\t"}) {
        model.setTyped(typed);
        EXPECT_EQ(model.Ok(), Action::Retry) << '"' << typed << '"';
    }
}

TEST(PassModelOk, MessageModeClosesWithOkWhateverWasTypedOrExpected) {
    PassModel model;
    model.Prepare("Really to Exit?", "stale password", false, false, false);
    model.setTyped("anything");
    EXPECT_EQ(model.Ok(), Action::CloseOk);

    // A line of text: shown as typed, starting from what it was, any text OK;
    // the next password question is a password question again.
    model.PrepareTextEntry("Name of Vesk 3:", "Mail");
    EXPECT_TRUE(model.textEntry() && model.fieldVisible());
    EXPECT_EQ(model.typed(), "Mail");
    model.setTyped("");
    EXPECT_EQ(model.Ok(), Action::CloseOk);
    model.Prepare("Enter Password", "x", true, false, false);
    EXPECT_FALSE(model.textEntry());
    EXPECT_EQ(model.Ok(), Action::Retry);
}

TEST(PassModelPrepare, ReuseStartsWithAnEmptyFieldAndTheNewQuestion) {
    auto model = PasswordQuestion("one");
    model.setTyped("wrong");
    ASSERT_EQ(model.Ok(), Action::Retry);

    model.Prepare("Exit Password", "two", true, false, false);
    EXPECT_EQ(model.typed(), "");
    EXPECT_EQ(model.message(), "Exit Password");
    EXPECT_EQ(model.Ok(), Action::Retry);
    model.setTyped("one");
    EXPECT_EQ(model.Ok(), Action::Retry);
    model.setTyped("two");
    EXPECT_EQ(model.Ok(), Action::CloseOk);
}

TEST(PassModelPrepare, SetsTheBoxUntilTheNextQuestion) {
    PassModel model;
    model.Prepare("Recording hint", "", false, true, true);
    EXPECT_TRUE(model.boxVisible());
    EXPECT_TRUE(model.boxTicked());

    model.setBoxTicked(false);
    EXPECT_FALSE(model.boxTicked());

    model.Prepare("Recording hint", "", false, true, true);
    EXPECT_TRUE(model.boxTicked());
    model.Prepare("Really to Exit?", "", false, false, false);
    EXPECT_FALSE(model.boxVisible());
    EXPECT_FALSE(model.boxTicked());
}

TEST(PassModelKeys, EscapeCancelsInEitherModeWhereverTheFocusIs) {
    PassModel model;
    for (bool fieldVisible : {true, false}) {
        model.Prepare("m", "", fieldVisible, false, false);
        EXPECT_EQ(model.KeyDown(Key::Escape, true), Action::CloseCancel);
        EXPECT_EQ(model.KeyDown(Key::Escape, false), Action::CloseCancel);
    }
}

TEST(PassModelKeys, EnterRunsOkInMessageModeAndFromTheField) {
    PassModel model;
    model.Prepare("Really to Exit?", "", false, false, false);
    EXPECT_EQ(model.KeyDown(Key::Enter, false), Action::RunOk);

    model.Prepare("Enter Password", "x", true, false, false);
    EXPECT_EQ(model.KeyDown(Key::Enter, true), Action::RunOk);
    EXPECT_EQ(model.KeyDown(Key::Enter, false), Action::None);
    EXPECT_EQ(model.KeyDown(Key::Other, true), Action::None);
}

}  // namespace
}  // namespace vesk::ui
