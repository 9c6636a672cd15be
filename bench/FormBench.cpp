// The main form's heaviest reactions, run on the shown form as a user's pick runs them: the
// drop-down's activation, the model event and every exchange it requests, then one repaint
// of the whole form. The repaint of an unchanged form is the floor they are compared with.
//
// repaint(), not grab(): it paints through the window's own backing store and flushes it,
// which is what the user's screen gets; grab() renders into a fresh pixmap on a separate
// path and costs more than the exchanges being measured.
//
// Only the pick and its repaint are timed (manual time); putting the form back into the
// starting state and letting the event loop run in between are not.
//
// On a loaded machine the times say little; instruction counts do not depend on the load:
//   valgrind --tool=callgrind --collect-atstart=no form_bench --fixed_iterations=N
// (with --benchmark_filter=...) counts the timed parts only, over exactly N iterations.
#include "ui/Orvane_CalcDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define ORVANE_HAVE_CALLGRIND 1
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr int kProductId = 1000;
constexpr int kIpPhonesKeyId = 1010;
constexpr int kRecordingKeyId = 1009;
constexpr int kIpPhonesId = 1011;
constexpr int kAnalogPhonesId = 1017;
constexpr int kAaId = 1068;
constexpr int kVirtualExtId = 1016;
constexpr int kTrunkCallsId = 1025;
constexpr int kWanCallsId = 1028;
constexpr int kFaxSessionsId = 1029;
constexpr int kAaCallsId = 1015;
constexpr int kVmSessionsId = 1018;
constexpr int kRecordingSessionsId = 1030;
constexpr int kLanguageId = 1031;
constexpr int kClearId = 1032;
constexpr int kAvlo = 0;
constexpr int kIvrel = 8;

COrvane_CalcDlg* g_pForm = nullptr;

COrvane_CalcDlg& Form() {
    return *g_pForm;
}

// As the popup does it: the row becomes current, then activated is emitted. Returns false
// (and leaves the form alone) when the drop-down does not offer the row.
bool Pick(int id, int row) {
    QComboBox* pCombo = Form().DropDown(id);
    if (pCombo == nullptr || row < 0 || row >= pCombo->count()) {
        return false;
    }
    pCombo->setCurrentIndex(row);
    emit pCombo->activated(row);
    return true;
}

int RowsOf(int id) {
    QComboBox* pCombo = Form().DropDown(id);
    return pCombo != nullptr ? pCombo->count() : -1;
}

int CurrentOf(int id) {
    QComboBox* pCombo = Form().DropDown(id);
    return pCombo != nullptr ? pCombo->currentIndex() : -1;
}

// What the event loop does between two user actions: posted updates, deferred deletes.
void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Starts or stops callgrind's counting; nothing outside callgrind.
void ToggleCount() {
#ifdef ORVANE_HAVE_CALLGRIND
    CALLGRIND_TOGGLE_COLLECT;
#endif
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times work plus one repaint of the whole form. Then, untimed for the iteration, times one
// more repaint of the form as it now stands: the floor measured in the same moments as the
// pick, so a change in the machine's load moves both alike. Reported as the "floor" counter.
struct CFloor {
    double seconds = 0;
};
template <typename Work>
bool TimedWithRepaint(benchmark::State& state, CFloor& floor, Work&& work) {
    ToggleCount();
    const auto start = std::chrono::steady_clock::now();
    const bool bOk = work();
    Form().repaint();
    state.SetIterationTime(SecondsSince(start));
    ToggleCount();
    const auto floorStart = std::chrono::steady_clock::now();
    Form().repaint();
    floor.seconds += SecondsSince(floorStart);
    return bOk;
}

void ReportFloor(benchmark::State& state, const CFloor& floor) {
    state.counters["floor"] = benchmark::Counter(floor.seconds, benchmark::Counter::kAvgIterations);
}

// The start-up state: Avlo, every mix at 0, English.
bool BackToStart() {
    if (!Pick(kLanguageId, 0) || !Pick(kProductId, kAvlo) || Form().Button(kClearId) == nullptr) {
        return false;
    }
    Form().Button(kClearId)->click();
    return CurrentOf(kVirtualExtId) == 0;
}

// Ivrel with the largest IP and recording keys and every list filled as far as it goes.
bool FullIvrel() {
    return Pick(kProductId, kIvrel) && Pick(kIpPhonesKeyId, 5) && Pick(kRecordingKeyId, 4) &&
           Pick(kIpPhonesId, 100) && Pick(kAnalogPhonesId, 2) && Pick(kAaId, 10) &&
           Pick(kVirtualExtId, 100) && Pick(kTrunkCallsId, 10) && Pick(kWanCallsId, 10) &&
           Pick(kFaxSessionsId, 5) && Pick(kAaCallsId, 5) && Pick(kVmSessionsId, 5) &&
           Pick(kRecordingSessionsId, 5);
}

void BM_RepaintUnchanged(benchmark::State& state) {
    if (!BackToStart()) {
        state.SkipWithError("could not reach the start-up state");
        return;
    }
    for (auto _ : state) {
        Settle();
        ToggleCount();
        const auto start = std::chrono::steady_clock::now();
        Form().repaint();
        state.SetIterationTime(SecondsSince(start));
        ToggleCount();
    }
}

// With every mix at 0, Ivrel offers all 400 extensions: AA and virtual extensions get 401
// rows each, the largest lists the form ever shows.
void BM_ProductAvloToIvrel(benchmark::State& state) {
    if (!BackToStart()) {
        state.SkipWithError("could not reach the start-up state");
        return;
    }
    CFloor floor;
    for (auto _ : state) {
        if (!Pick(kProductId, kAvlo)) {
            state.SkipWithError("no Avlo row");
            break;
        }
        Settle();
        TimedWithRepaint(state, floor, [] { return Pick(kProductId, kIvrel); });
        if (RowsOf(kAaId) != 401 || RowsOf(kVirtualExtId) != 401) {
            state.SkipWithError("Ivrel does not offer 401 AA and extension rows");
            break;
        }
    }
    ReportFloor(state, floor);
}

void BM_ProductIvrelToAvlo(benchmark::State& state) {
    if (!BackToStart()) {
        state.SkipWithError("could not reach the start-up state");
        return;
    }
    CFloor floor;
    for (auto _ : state) {
        if (!Pick(kProductId, kIvrel) || RowsOf(kVirtualExtId) != 401) {
            state.SkipWithError("Ivrel does not offer 401 extension rows");
            break;
        }
        Settle();
        TimedWithRepaint(state, floor, [] { return Pick(kProductId, kAvlo); });
    }
    ReportFloor(state, floor);
}

void BM_ClearOnIvrel(benchmark::State& state) {
    if (!BackToStart()) {
        state.SkipWithError("could not reach the start-up state");
        return;
    }
    CFloor floor;
    for (auto _ : state) {
        if (!FullIvrel()) {
            state.SkipWithError("could not build the full mix");
            break;
        }
        Settle();
        TimedWithRepaint(state, floor, [] {
            Form().Button(kClearId)->click();
            return true;
        });
        if (CurrentOf(kVirtualExtId) != 0 || CurrentOf(kIpPhonesId) != 0) {
            state.SkipWithError("Clear left a mix choice standing");
            break;
        }
    }
    ReportFloor(state, floor);
}

// At the full mix, alternately the mix's own row and the last row the list offers: the
// pick that moves the most extensions between the four phone-mix lists.
void BM_PickVirtualExtAtFullMix(benchmark::State& state) {
    if (!BackToStart() || !FullIvrel()) {
        state.SkipWithError("could not build the full mix");
        return;
    }
    const int mixRow = CurrentOf(kVirtualExtId);
    const int lastRow = RowsOf(kVirtualExtId) - 1;
    if (mixRow != 100 || lastRow <= mixRow) {
        state.SkipWithError("unexpected virtual extension rows at the full mix");
        return;
    }
    bool bLast = false;
    CFloor floor;
    for (auto _ : state) {
        bLast = !bLast;
        const int row = bLast ? lastRow : mixRow;
        Settle();
        if (!TimedWithRepaint(state, floor, [row] { return Pick(kVirtualExtId, row); })) {
            state.SkipWithError("the row went missing");
            break;
        }
    }
    ReportFloor(state, floor);
}

// Not one of the picks above, but every caption on the form changes with it.
void BM_PickLanguage(benchmark::State& state) {
    if (!BackToStart() || !FullIvrel()) {
        state.SkipWithError("could not build the full mix");
        return;
    }
    int language = 0;
    CFloor floor;
    for (auto _ : state) {
        language = 1 - language;
        Settle();
        if (!TimedWithRepaint(state, floor, [language] { return Pick(kLanguageId, language); })) {
            state.SkipWithError("no such language row");
            break;
        }
    }
    ReportFloor(state, floor);
}

// nFixed > 0: exactly that many iterations each (for counting instructions), else as many as
// the minimum time needs, and 40 for Clear, which rebuilds a thirteen-pick mix untimed first.
void RegisterAll(int nFixed) {
    const auto add = [nFixed](const char* name, void (*fn)(benchmark::State&), int nDefault) {
        benchmark::internal::Benchmark* pBench = benchmark::RegisterBenchmark(name, fn);
        pBench->UseManualTime();
        if (nFixed > 0 || nDefault > 0) {
            pBench->Iterations(nFixed > 0 ? nFixed : nDefault);
        }
    };
    add("Form/RepaintUnchanged", BM_RepaintUnchanged, 0);
    add("Form/ProductAvloToIvrel", BM_ProductAvloToIvrel, 0);
    add("Form/ProductIvrelToAvlo", BM_ProductIvrelToAvlo, 0);
    add("Form/ClearOnIvrel", BM_ClearOnIvrel, 40);
    add("Form/PickVirtualExtAtFullMix", BM_PickVirtualExtAtFullMix, 0);
    add("Form/PickLanguage", BM_PickLanguage, 0);
}

// Takes --fixed_iterations=N out of argv.
int TakeFixedIterations(int& argc, char** argv) {
    constexpr std::string_view kFlag = "--fixed_iterations=";
    int nFixed = 0;
    int nKept = 0;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (i > 0 && arg.substr(0, kFlag.size()) == kFlag) {
            nFixed = std::atoi(argv[i] + kFlag.size());
        } else {
            argv[nKept++] = argv[i];
        }
    }
    argc = nKept;
    return nFixed;
}

// The offscreen platform says this on every show; it tells us nothing here.
QtMessageHandler g_previousHandler = nullptr;
void DropPlatformChatter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("propagateSizeHints"))) {
        return;
    }
    if (g_previousHandler != nullptr) {
        g_previousHandler(type, context, text);
    }
}

bool WaitExposed(QWidget& window) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        if (window.isVisible() && window.windowHandle() != nullptr &&
            window.windowHandle()->isExposed()) {
            return true;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const int nFixed = TakeFixedIterations(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    g_previousHandler = qInstallMessageHandler(DropPlatformChatter);
    QApplication app(argc, argv);
    RegisterAll(nFixed);

    // The benchmarks run inside the form's modal loop, after its real start-up path.
    COrvane_CalcDlg form;
    g_pForm = &form;
    int nExit = 0;
    QTimer::singleShot(0, &form, [&form, &nExit] {
        if (WaitExposed(form)) {
            benchmark::RunSpecifiedBenchmarks();
        } else {
            std::fputs("form_bench: the form was never shown\n", stderr);
            nExit = 1;
        }
        form.EndDialog(CForm::kCancel);
    });
    form.DoModal();
    g_pForm = nullptr;
    benchmark::Shutdown();
    return nExit;
}
