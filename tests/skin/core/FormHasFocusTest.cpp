#include "platform/win/WinApi.h"
#include "skin/core/SUIPublic.h"
#include "tests/ui/UiTestFixture.h"

#include <gtest/gtest.h>

namespace {

class FormHasFocusTest : public uitest::UiTest {
protected:
    TForm* MainForm() { return ShownMainForm({100, 100, 400, 300}); }
    TForm* OtherForm() { return ShownForm({500, 100, 700, 300}); }
    void Activate(TForm* form)
    {
        SetActiveWindow(form->Handle());
        Pump();
    }
};

TEST_F(FormHasFocusTest, NothingHasFocusWhileTheApplicationIsInactive)
{
    EXPECT_FALSE(FormHasFocus(nullptr));
    TForm* main = MainForm();
    ASSERT_TRUE(FormHasFocus(main));
    Desktop().InjectFocusOut(main->Handle());
    Pump();
    ASSERT_FALSE(App().Active());
    EXPECT_FALSE(FormHasFocus(nullptr));
    EXPECT_FALSE(FormHasFocus(main));
}

TEST_F(FormHasFocusTest, TheMainFormAndNoFormHaveFocusWhileTheApplicationIsActive)
{
    TForm* main = MainForm();
    TForm* other = OtherForm();
    Activate(other);
    EXPECT_FALSE(main->Active());
    EXPECT_TRUE(FormHasFocus(main));
    EXPECT_TRUE(FormHasFocus(nullptr));
}

TEST_F(FormHasFocusTest, OtherFormsFollowTheirActiveFlag)
{
    TForm* main = MainForm();
    TForm* other = OtherForm();
    Activate(other);
    EXPECT_TRUE(FormHasFocus(other));
    Activate(main);
    EXPECT_FALSE(FormHasFocus(other));
}

// An MDI client stand-in that reports a chosen window as its active child.
class MdiClient {
public:
    explicit MdiClient(HWND frame)
    {
        m_proc = MakeObjectInstance([this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (msg == WM_MDIGETACTIVE) return reinterpret_cast<LRESULT>(activeChild);
            return DefWindowProc(hwnd, msg, wParam, lParam);
        });
        WNDCLASS wc;
        wc.lpszClassName = "MDIClient";
        wc.lpfnWndProc = m_proc;
        RegisterClass(wc);
        m_window = CreateWindowEx(0, "MDIClient", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, frame, nullptr, nullptr);
    }
    MdiClient(const MdiClient&) = delete;
    MdiClient& operator=(const MdiClient&) = delete;
    ~MdiClient()
    {
        DestroyWindow(m_window);
        UnregisterClass("MDIClient");
        FreeObjectInstance(m_proc);
    }

    HWND activeChild = nullptr;

private:
    WNDPROC m_proc = nullptr;
    HWND m_window = nullptr;
};

TEST_F(FormHasFocusTest, AnMdiFramesActiveChildHasFocus)
{
    TForm* frame = MainForm();
    frame->SetFormStyle(fsMDIForm);
    TForm* child = OtherForm();
    TForm* sibling = ShownForm({500, 400, 700, 600});
    Activate(frame);
    MdiClient client(frame->Handle());
    client.activeChild = child->Handle();
    EXPECT_TRUE(FormHasFocus(child));
    EXPECT_FALSE(FormHasFocus(sibling));
    client.activeChild = nullptr;
    EXPECT_FALSE(FormHasFocus(child));
}

TEST_F(FormHasFocusTest, WithoutMdiFrameTheClientIsNotAsked)
{
    TForm* frame = MainForm();
    TForm* child = OtherForm();
    Activate(frame);
    MdiClient client(frame->Handle());
    client.activeChild = child->Handle();
    EXPECT_FALSE(FormHasFocus(child));
}

}  // namespace
