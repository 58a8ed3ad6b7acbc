#include "app/MsgView.h"

#include <cstring>
#include <string>

#include "view_env.h"

namespace {

class MsgViewTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        msg.font = &font.font;
    }
    MsgView msg;
};

}  // namespace

TEST_F(MsgViewTest, ALongMessageIsCutTo256CharactersAndSizesTheBox)
{
    msg.rect = {7, 8, 0, 0};
    msg.SetText(std::string(300, 'x').c_str());
    EXPECT_EQ(std::strlen(msg.text), 256u);
    EXPECT_TRUE(msg.rect.x == 7 && msg.rect.y == 8) << "the caller places the box";
    EXPECT_EQ(msg.rect.w, 256 * 10 + 40);
    EXPECT_EQ(msg.rect.h, 16 + 40);
    msg.SetText("Mercator");
    EXPECT_EQ(msg.rect.w, 8 * 10 + 40);
}

TEST_F(MsgViewTest, HiddenInThePassThatReachesTwoSeconds)
{
    msg.Animate(1950);
    msg.Show(true);  // a new message restarts the time
    int pass = 0;
    while (msg.visible && pass < 100) {
        msg.Animate(50);
        ++pass;
    }
    EXPECT_EQ(pass, 40);
    EXPECT_EQ(msg.elapsed, 0u);
}

// The map shows darkened through the box; the renderer's blend mode and
// viewport are left as they were found.
TEST_F(MsgViewTest, TheBoxDarkensTheMapAndTheTextSitsInsideTheMargin)
{
    msg.SetText("Mercator");
    msg.rect.x = 50;
    msg.rect.y = 40;
    clear(200);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_ADD);
    msg.Render(renderer);
    const Frame f = snap();
    SDL_BlendMode mode;
    SDL_GetRenderDrawBlendMode(renderer, &mode);
    EXPECT_EQ(mode, SDL_BLENDMODE_ADD);
    SDL_Rect vp;
    SDL_RenderGetViewport(renderer, &vp);
    EXPECT_TRUE(vp.x == 0 && vp.y == 0 && vp.w == kWinW && vp.h == kWinH);

    clear(200);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 192);
    SDL_RenderFillRect(renderer, &msg.rect);
    text(msg.rect, 20, 20, "Mercator", {255, 255, 255, 255});
    EXPECT_TRUE(f.px == snap().px);
}
