// The window system's costs:
//   FullRepaint     a 280 x 310 top-level window holding a dozen child windows
//                   (panels with captions, as the main window has), invalidated
//                   whole and painted again on the headless desktop, through
//                   erasing, painting, composition and presentation.
//   IdleMessageLoop the message loop with the SDL backend waiting for 250 ms
//                   with nothing to do but one timer; CPU time per wait should
//                   be near zero. Skipped without an X display.

#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/Form.h"
#include "platform/ui/controls/Panel.h"
#include "platform/win/BackendFactory.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/backends/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kChildren = 12;
constexpr UINT kIdleWaitMs = 250;  // one wait of the idle loop

// The form and its panels, freed while the window system still lives.
struct BenchForm {
    BenchForm()
    {
        form = new TForm(Application);
        form->SetBorderStyle(bsNone);
        form->SetBounds(100, 100, 280, 310);
        for (int i = 0; i < kChildren; ++i) {
            auto* panel = new TPanel(form);
            panel->SetParent(form);
            panel->SetBounds(8 + (i % 3) * 90, 8 + (i / 3) * 74, 84, 68);
            panel->SetCaption("面板 " + std::to_string(i + 1));
        }
        form->Show();
        Application->ProcessMessages();
    }
    ~BenchForm() { delete form; }
    TForm* form = nullptr;
};

void FullRepaint(benchmark::State& state)
{
    WindowSystem system(std::make_unique<win::HeadlessBackend>());
    BenchForm bench;
    const HWND window = bench.form->Handle();
    for (auto _ : state) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        system.ProcessPending();
    }
    state.counters["windows"] = kChildren + 1;
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);

void IdleMessageLoop(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no X display (run under xvfb-run)");
        return;
    }
    WindowSystem system(win::CreateBackend("sdl"));
    BenchForm bench;
    const HWND window = bench.form->Handle();
    for (auto _ : state) {
        SetTimer(window, 1, kIdleWaitMs, nullptr);
        MSG msg;
        while (GetMessage(msg, nullptr, 0, 0) && msg.message != WM_TIMER) DispatchMessage(msg);
        KillTimer(window, 1);
    }
    state.counters["wait_ms"] = kIdleWaitMs;
}
BENCHMARK(IdleMessageLoop)->Unit(benchmark::kMillisecond)->Iterations(8)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
