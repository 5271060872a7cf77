// The queue: posting, retrieval order (posted and input, then WM_PAINT, then
// WM_TIMER), filters, WM_QUIT, and timers on the headless virtual clock.

#include "WindowTestHarness.h"

#include "platform/core/Exception.h"

namespace wintest {
namespace {

class MessageQueueTest : public WindowTest {
protected:
    // Everything retrievable right now, in order, without dispatching.
    std::vector<MSG> Drain(HWND filter = nullptr, UINT min = 0, UINT max = 0)
    {
        std::vector<MSG> out;
        MSG msg;
        while (PeekMessage(msg, filter, min, max, PM_REMOVE)) {
            out.push_back(msg);
            if (msg.message == WM_PAINT) ValidateRect(msg.hwnd, nullptr);
            if (out.size() > 100) break;
        }
        return out;
    }
    static std::vector<UINT> Numbers(const std::vector<MSG>& msgs)
    {
        std::vector<UINT> out;
        for (const MSG& m : msgs) out.push_back(m.message);
        return out;
    }
};

TEST_F(MessageQueueTest, PostedMessagesComeOutInOrderBeforePaintAndTimers)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    Pump();
    SetTimer(top, 1, 50, nullptr);
    Desktop().AdvanceClock(50);
    InvalidateRect(top, nullptr, true);
    PostMessage(top, WM_USER + 1, 0, 0);
    PostMessage(top, WM_USER + 2, 0, 0);
    EXPECT_EQ(Numbers(Drain()), (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageQueueTest, FiltersSelectByWindowAndRange)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    const HWND child = Child(top, {0, 0, 10, 10});
    const HWND other = TopLevel({200, 0, 300, 100});
    Pump();
    PostMessage(other, WM_USER, 0, 0);
    PostMessage(child, WM_USER + 5, 0, 0);
    PostMessage(top, WM_USER + 9, 0, 0);
    PostMessage(nullptr, WM_USER + 3, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(msg, top, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, child) << "a window filter takes in its children";
    ASSERT_TRUE(PeekMessage(msg, nullptr, WM_USER + 8, WM_USER + 10, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 9u);
    ASSERT_TRUE(PeekMessage(msg, reinterpret_cast<HWND>(std::intptr_t(-1)), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 3u) << "(HWND)-1 asks for messages without a window";
    EXPECT_EQ(Numbers(Drain()), (std::vector<UINT>{WM_USER, WM_USER + 5}));
}

TEST_F(MessageQueueTest, QuitEndsGetMessageWithItsCode)
{
    PostMessage(nullptr, WM_USER, 0, 0);
    PostQuitMessage(3);
    MSG msg;
    EXPECT_TRUE(GetMessage(msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_FALSE(GetMessage(msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(System().ProcessPending()) << "the quit was taken";
    PostQuitMessage(0);
    EXPECT_FALSE(System().ProcessPending());
}

TEST_F(MessageQueueTest, GetMessageRefusesToWaitForNothing)
{
    MSG msg;
    EXPECT_THROW(GetMessage(msg, nullptr, 0, 0), EInvalidOperation);
    EXPECT_FALSE(WaitMessage());
}

TEST_F(MessageQueueTest, TimersFireOnTheVirtualClockAndRestart)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    Pump();
    EXPECT_EQ(SetTimer(top, 7, 100, nullptr), 7u);
    Desktop().AdvanceClock(99);
    EXPECT_TRUE(Drain().empty());
    Desktop().AdvanceClock(1);
    std::vector<MSG> got = Drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_TIMER);
    EXPECT_EQ(got[0].hwnd, top);
    EXPECT_EQ(got[0].wParam, 7u);
    EXPECT_TRUE(Drain().empty()) << "the next interval starts when the timer fires";
    Desktop().AdvanceClock(100);
    EXPECT_EQ(Drain().size(), 1u);
    EXPECT_TRUE(KillTimer(top, 7));
    Desktop().AdvanceClock(500);
    EXPECT_TRUE(Drain().empty());
    EXPECT_FALSE(KillTimer(top, 7));
}

TEST_F(MessageQueueTest, GetMessageWaitsForTheNextTimerOnTheBackendClock)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    Pump();
    const DWORD start = GetTickCount();
    SetTimer(top, 1, 250, nullptr);
    MSG msg;
    ASSERT_TRUE(GetMessage(msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(GetTickCount() - start, 250u) << "the wait moved the virtual clock to the due time, no further";
    EXPECT_EQ(GetMessageTime(), start + 250);
}

void CountingTimerProc(HWND, UINT, UINT_PTR, DWORD);
int g_timerProcCalls = 0;
void CountingTimerProc(HWND, UINT msg, UINT_PTR, DWORD)
{
    if (msg == WM_TIMER) ++g_timerProcCalls;
}

TEST_F(MessageQueueTest, TimerProceduresAreCalledInsteadOfTheWindow)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    Pump();
    g_timerProcCalls = 0;
    SetTimer(top, 2, 20, CountingTimerProc);
    const UINT_PTR threadTimer = SetTimer(nullptr, 0, 20, CountingTimerProc);
    EXPECT_NE(threadTimer, 0u);
    log.clear();
    Desktop().AdvanceClock(20);
    Pump();
    EXPECT_EQ(g_timerProcCalls, 2);
    EXPECT_TRUE(Received(top, WM_TIMER).empty());
    KillTimer(nullptr, threadTimer);
}

TEST_F(MessageQueueTest, DestroyingAWindowKillsItsTimers)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    SetTimer(top, 1, 10, nullptr);
    DestroyWindow(top);
    Desktop().AdvanceClock(100);
    EXPECT_TRUE(Drain().empty());
}

TEST_F(MessageQueueTest, PostedMessagesComeBeforeInput)
{
    const HWND top = TopLevel({0, 0, 100, 100});
    Pump();
    Desktop().InjectKeyDown('A');
    Desktop().InjectKeyUp('A');
    PostMessage(top, WM_USER, 0, 0);
    log.clear();
    Pump();
    EXPECT_EQ(MessagesOf(top, {WM_USER, WM_KEYDOWN, WM_KEYUP}), (std::vector<UINT>{WM_USER, WM_KEYDOWN, WM_KEYUP}));
}

TEST_F(MessageQueueTest, PeekWithoutRemovingLeavesTheMessage)
{
    PostMessage(nullptr, WM_USER, 1, 2);
    MSG msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(msg.lParam, 2);
    EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
}  // namespace wintest
