#include "console/ConView.h"

#include <gtest/gtest.h>

#include <string>

#include "console/lnedit.h"

// The editor is one line for the whole process: each test starts it empty.
class ConViewTest : public ::testing::Test {
protected:
    void SetUp() override { LE_Clear(), LE_SetIns(1), SDL_InitSubSystem(SDL_INIT_VIDEO); }  // the clipboard
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
    int press(SDL_Keycode k, int mod = 0)
    {
        SDL_KeyboardEvent e{};
        e.keysym = {SDL_SCANCODE_UNKNOWN, k, static_cast<Uint16>(mod), 0};
        return view.KeyDownEvent(e);
    }
    static std::string line() { return {LE_Line(), LE_Len()}; }
    int paste(const char* text, int mod) { return SDL_SetClipboardText(text), press('v', mod); }
    ConView view;
};

// Shift and Caps Lock change nothing of the named keys; Alt and Ctrl alone leave every key.
TEST_F(ConViewTest, KeysTypeByTheUsLayoutEditExecuteAndWalkTheHistory)
{
    // clang-format off
    const struct { SDL_Keycode key; int mod; const char* line; int result = 0; } kSteps[] = {
        {'1', KMOD_LSHIFT, "!"}, {SDLK_KP_7, KMOD_NUM, "!7"}, {SDLK_KP_7, KMOD_RSHIFT, "!7"},
        {'a', KMOD_CAPS, "!7A"}, {'a', KMOD_LSHIFT | KMOD_CAPS, "!7AA"}, {'x', KMOD_LALT, "!7AA", -1},
        {SDLK_HOME, KMOD_LCTRL, "!7AA", -1}, {SDLK_HOME, KMOD_LSHIFT, "!7AA"}, {SDLK_DELETE, 0, "7AA"},
        {SDLK_END, KMOD_CAPS, "7AA"}, {SDLK_BACKSPACE, 0, "7A"}, {SDLK_LEFT, 0, "7A"},
        {SDLK_INSERT, 0, "7A"}, {'x', 0, "7x"}, {SDLK_LEFT, 0, "7x"}, {SDLK_RIGHT, 0, "7x"},
        {'y', 0, "7xy"}, {SDLK_RETURN, KMOD_LSHIFT, ""}, {'z', 0, "z"}, {SDLK_KP_ENTER, 0, ""},
        {SDLK_UP, 0, "z"}, {SDLK_UP, 0, "7xy"}, {SDLK_DOWN, 0, "z"}, {SDLK_DOWN, 0, ""}};
    // clang-format on
    for (const auto& s : kSteps) {
        EXPECT_EQ(press(s.key, s.mod), s.result) << s.key << " mod " << s.mod;
        EXPECT_EQ(line(), s.line) << "after " << s.key << " mod " << s.mod;
    }
    EXPECT_EQ(view.console.output.lines.at(0), ">7xy");

    for (char c : std::string(" `1234567890[]\\-=;',./")) press(c, KMOD_RSHIFT);
    for (SDL_Keycode k = SDLK_KP_1; k <= SDLK_KP_PERIOD; ++k) press(k);
    for (SDL_Keycode k : {SDLK_KP_DIVIDE, SDLK_KP_MULTIPLY, SDLK_KP_MINUS, SDLK_KP_PLUS}) press(k);
    EXPECT_EQ(line(), " ~!@#$%^&*(){}|_+:\"<>?1234567890./*-+") << "every row of both tables";
}

TEST_F(ConViewTest, CtrlShiftKeysScrollTheOutput)
{
    view.console.SetSize(3, 20);
    for (int i = 0; i < 10; ++i) view.console.AppendOutput("line");
    const SDL_Keycode kKeys[] = {SDLK_HOME, SDLK_PAGEDOWN, SDLK_DOWN, SDLK_UP, SDLK_PAGEUP, SDLK_END};
    const unsigned kTop[] = {0, 3, 4, 3, 0, 8};  // ten rows and the input, three shown
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(press(kKeys[i], KMOD_RCTRL | KMOD_LSHIFT), 0) << kKeys[i];
        EXPECT_EQ(view.console.top, kTop[i]) << "top after " << kKeys[i];
    }
}

TEST_F(ConViewTest, CtrlVPastesTheClipboardAsItIsUpToTheLineLimit)
{
    press('a'), press('b'), press(SDLK_LEFT);
    EXPECT_TRUE(paste("x\ny", KMOD_LCTRL | KMOD_RSHIFT) == 0 && paste("", KMOD_RCTRL) == 0);
    EXPECT_EQ(line(), "ax\nyb");
    press(SDLK_END), paste(std::string(6000, 'z').c_str(), KMOD_LCTRL);
    EXPECT_EQ(line(), "ax\nyb" + std::string(kLineMax - 5, 'z'));
}
