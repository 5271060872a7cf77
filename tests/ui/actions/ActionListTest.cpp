// Actions and their list: execution, change notification to links, and
// either side going away.

#include "platform/ui/actions/ActionList.h"
#include "platform/ui/actions/CustomAction.h"
#include "platform/ui/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ActionTest, ADisabledActionDoesNotExecute)
{
    TAction action(nullptr);
    EXPECT_FALSE(action.Execute());  // no handler
    int runs = 0;
    action.OnExecute = [&](TObject*) { ++runs; };
    EXPECT_TRUE(action.Execute());
    action.SetEnabled(false);
    EXPECT_FALSE(action.Execute());
    EXPECT_EQ(runs, 1);
}

TEST(ActionTest, LinksHearOfChangesOnlyWhenAValueChanges)
{
    TAction action(nullptr);
    TBasicActionLink link;
    int changes = 0;
    link.OnChange = [&](TBasicAction* sender) {
        EXPECT_EQ(sender, &action);
        ++changes;
    };
    link.SetAction(&action);
    action.SetCaption("A");
    action.SetCaption("A");
    action.SetChecked(true);
    action.SetImageIndex(3);
    EXPECT_EQ(changes, 3);
    link.SetAction(nullptr);
    action.SetCaption("B");
    EXPECT_EQ(changes, 3);
}

TEST(ActionTest, ALinkForgetsAFreedAction)
{
    TBasicActionLink link;
    {
        TAction action(nullptr);
        link.SetAction(&action);
    }
    EXPECT_EQ(link.Action(), nullptr);
    EXPECT_FALSE(link.Execute());
}

TEST(ActionListTest, ActionsJoinNestedInTheirListAndLeaveWithIt)
{
    TAction first(nullptr);
    TAction second(nullptr);
    {
        TActionList list(nullptr);
        first.SetParentComponent(&list);
        second.SetActionList(&list);
        ASSERT_EQ(list.ActionCount(), 2);
        EXPECT_EQ(list.Actions(1), &second);
        EXPECT_THROW((void)list.Actions(2), EListError);
        second.SetActionList(nullptr);
        EXPECT_EQ(list.ActionCount(), 1);
    }
    EXPECT_EQ(first.ActionList(), nullptr);
}

TEST(ActionListTest, FreedImagesAreForgotten)
{
    TComponent form(nullptr);
    auto* list = new TActionList(&form);
    auto* images = new TImageList(&form);
    list->SetImages(images);
    delete images;
    EXPECT_EQ(list->Images(), nullptr);
}

}  // namespace
