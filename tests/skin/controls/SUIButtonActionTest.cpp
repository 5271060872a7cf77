// A skinned button linked to an action shows the action's caption, state
// and picture, and a click executes it.

#include "skin/controls/SUIButton.h"

#include "SkinControlTest.h"
#include "platform/ui/actions/ActionList.h"
#include "platform/ui/actions/CustomAction.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/ImageList.h"

namespace {

using skintest::SkinControlTest;

class ButtonActionTest : public SkinControlTest {
protected:
    void SetUp() override
    {
        list = new TActionList(Form());
        action = new TAction(Form());
        action->SetActionList(list);
        action->SetCaption("打开");
        action->OnExecute = [this](TObject* sender) {
            EXPECT_EQ(sender, action);
            ++executed;
        };
        button = Make<TsuiButton>("sbtnOpen", {10, 10, 90, 37});
    }
    // An image list of two 16 x 16 pictures, red then blue.
    TImageList* TwoImages()
    {
        auto* images = new TImageList(Form());
        TBitmap strip(32, 16);
        strip.Canvas()->Brush()->SetColor(clRed);
        strip.Canvas()->FillRect({0, 0, 16, 16});
        strip.Canvas()->Brush()->SetColor(clBlue);
        strip.Canvas()->FillRect({16, 0, 32, 16});
        images->Add(&strip, nullptr);
        return images;
    }

    TActionList* list = nullptr;
    TAction* action = nullptr;
    TsuiButton* button = nullptr;
    int executed = 0;
};

TEST_F(ButtonActionTest, TheActionsCaptionAndStateReachTheButton)
{
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "打开");
    action->SetCaption("保存");
    EXPECT_EQ(button->Caption(), "保存");
    action->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(button->State(), TVisualState::Disabled);
    action->SetVisible(false);
    EXPECT_FALSE(button->Visible());
}

TEST_F(ButtonActionTest, AClickExecutesTheActionUnlessOnClickIsSet)
{
    button->SetAction(action);
    ClickOn("sbtnOpen");
    EXPECT_EQ(executed, 1);
    int clicked = 0;
    button->OnClick = [&](TObject*) { ++clicked; };
    ClickOn("sbtnOpen");
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(clicked, 1);
}

TEST_F(ButtonActionTest, AFreedActionIsForgotten)
{
    button->SetAction(action);
    delete action;
    EXPECT_EQ(button->Action(), nullptr);
    ClickOn("sbtnOpen");
    EXPECT_EQ(executed, 0);
}

TEST_F(ButtonActionTest, TheActionsPictureBecomesTheGlyphOnlyWhenThereIsNone)
{
    list->SetImages(TwoImages());
    action->SetImageIndex(1);
    button->SetAction(action);
    ASSERT_EQ(button->Glyph()->Width(), 16);
    EXPECT_EQ(button->Glyph()->Canvas()->Pixels(8, 8), clBlue);
    action->SetImageIndex(0);  // the button has a glyph now
    EXPECT_EQ(button->Glyph()->Canvas()->Pixels(8, 8), clBlue);
}

TEST_F(ButtonActionTest, AnImageIndexOutOfRangeGivesNoGlyph)
{
    list->SetImages(TwoImages());
    for (int index : {-1, 2}) {
        action->SetImageIndex(index);
        button->SetAction(action);
        EXPECT_TRUE(button->Glyph()->Empty()) << index;
    }
}

}  // namespace
