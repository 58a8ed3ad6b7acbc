#include "console/ConView.h"

#include <gtest/gtest.h>

#include <string>

#include "console/lnedit.h"
#include "sdl/SdlFont.h"

namespace {

// The editor is one line for the whole process: each test starts it empty.
class ConViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();  // the clipboard
        LE_Clear();
        LE_SetIns(1);
    }
    void TearDown() override
    {
        LE_Clear();
        LE_SetIns(1);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    int press(SDL_Keycode k, int mod = 0)
    {
        SDL_KeyboardEvent e{};
        e.type = SDL_KEYDOWN;
        e.keysym = {SDL_SCANCODE_UNKNOWN, k, static_cast<Uint16>(mod), 0};
        return view.KeyDownEvent(e);
    }
    static std::string line() { return {LE_Line(), LE_Len()}; }

    ConView view;
};

struct Step {
    SDL_Keycode key;
    int mod;
    const char* line;
    int result;
};

}  // namespace

TEST_F(ConViewTest, KeysTypeByTheUsLayoutAndModifiersDecideWhetherTheyAreTaken)
{
    // clang-format off
    const Step kCases[] = {
        {'1', KMOD_LSHIFT, "!", 0}, {SDLK_KP_7, KMOD_NUM, "7", 0}, {SDLK_KP_7, KMOD_RSHIFT, "", 0},
        {'a', 0, "a", 0}, {'a', KMOD_CAPS, "A", 0}, {'a', KMOD_LSHIFT | KMOD_CAPS, "A", 0},
        {SDLK_ESCAPE, 0, "", 0}, {SDLK_F1, 0, "", 0}, {SDLK_PAGEUP, 0, "", 0},
        {'x', KMOD_LALT, "", -1}, {'x', KMOD_RGUI | KMOD_LCTRL, "", -1}, {SDLK_HOME, KMOD_LCTRL, "", -1},
        {'c', KMOD_RCTRL, "", -1}, {'c', KMOD_LCTRL | KMOD_LSHIFT, "", -1}};
    // clang-format on
    for (const Step& c : kCases) {
        LE_Clear();
        EXPECT_EQ(press(c.key, c.mod), c.result) << c.key << " mod " << c.mod;
        EXPECT_EQ(line(), c.line) << c.key << " mod " << c.mod;
    }

    LE_Clear();
    for (char c : std::string(" `1234567890[]\\-=;',./")) press(c, KMOD_LSHIFT);
    for (SDL_Keycode k = SDLK_KP_1; k <= SDLK_KP_PERIOD; ++k) press(k);
    for (SDL_Keycode k : {SDLK_KP_DIVIDE, SDLK_KP_MULTIPLY, SDLK_KP_MINUS, SDLK_KP_PLUS}) press(k);
    EXPECT_EQ(line(), " ~!@#$%^&*(){}|_+:\"<>?1234567890./*-+") << "every row of both tables";
}

// Shift and Caps Lock change nothing of the named keys.
TEST_F(ConViewTest, NamedKeysEditExecuteAndWalkTheHistory)
{
    for (char c : std::string("abcd")) press(c);
    // clang-format off
    const Step kSteps[] = {
        {SDLK_HOME, KMOD_LSHIFT, "abcd", 0}, {SDLK_DELETE, 0, "bcd", 0}, {SDLK_END, KMOD_CAPS, "bcd", 0},
        {SDLK_BACKSPACE, 0, "bc", 0}, {SDLK_LEFT, 0, "bc", 0}, {SDLK_INSERT, 0, "bc", 0},
        {'x', 0, "bx", 0}, {SDLK_LEFT, 0, "bx", 0}, {SDLK_RIGHT, 0, "bx", 0},
        {'y', 0, "bxy", 0}, {SDLK_RETURN, KMOD_LSHIFT, "", 0}, {'z', 0, "z", 0},
        {SDLK_KP_ENTER, 0, "", 0}, {SDLK_UP, 0, "z", 0}, {SDLK_UP, 0, "bxy", 0},
        {SDLK_DOWN, 0, "z", 0}, {SDLK_DOWN, 0, "", 0}};
    // clang-format on
    for (const Step& s : kSteps) {
        EXPECT_EQ(press(s.key, s.mod), 0) << s.key;
        EXPECT_EQ(line(), s.line) << "after " << s.key;
    }
    EXPECT_EQ(view.console.output.lines.at(0), ">bxy");
}

TEST_F(ConViewTest, CtrlShiftKeysScrollTheOutput)
{
    view.console.SetSize(3, 20);
    for (int i = 0; i < 10; ++i) view.console.AppendOutput("line");
    ASSERT_EQ(view.console.top, 8u) << "ten output rows and the input, three shown";
    const SDL_Keycode kKeys[] = {SDLK_HOME, SDLK_PAGEDOWN, SDLK_DOWN, SDLK_UP, SDLK_PAGEUP, SDLK_END};
    const unsigned kTop[] = {0, 3, 4, 3, 0, 8};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(press(kKeys[i], KMOD_RCTRL | KMOD_LSHIFT), 0) << kKeys[i];
        EXPECT_EQ(view.console.top, kTop[i]) << "top after " << kKeys[i];
    }
}

TEST_F(ConViewTest, CtrlVPastesTheClipboardAsItIsUpToTheLineLimit)
{
    press('a'), press('b'), press(SDLK_LEFT);
    ASSERT_EQ(SDL_SetClipboardText("x\ny"), 0) << SDL_GetError();
    EXPECT_EQ(press('v', KMOD_LCTRL | KMOD_RSHIFT), 0);
    ASSERT_EQ(SDL_SetClipboardText(""), 0);
    EXPECT_EQ(press('v', KMOD_RCTRL), 0);
    EXPECT_EQ(line(), "ax\nyb");

    const std::string big(6000, 'z');
    ASSERT_EQ(SDL_SetClipboardText(big.c_str()), 0);
    press(SDLK_END), press('v', KMOD_LCTRL);
    EXPECT_EQ(line(), "ax\nyb" + big.substr(0, kLineMax - 5));
}

// A sheet too narrow for 16 cells a row gives cells of no size.
TEST_F(ConViewTest, AFontWithoutCellsSizesNothingAndDrawsNothing)
{
    SdlFont empty;
    view.font = &empty;
    view.SetSize(415, 250);
    EXPECT_TRUE(view.cols == 0 && view.console.cols == 0 && view.rect.w == 415 && view.rect.h == 250);
    view.Render(nullptr);
}
