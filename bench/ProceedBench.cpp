// One proceed of the main window: the entry check, the calculation, the four
// result labels and the report, on Qt's offscreen platform with the recording
// platform in place of message boxes. Goal: at most 1 ms median.

#include "tests/support/RecordingPlatform.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

frmMain* g_window = nullptr;
kivo::testing::RecordingPlatform* g_platform = nullptr;

void SetPerson(std::size_t i, const char* name, int day, int month, int year) {
    g_window->txtName(i)->setText(QString::fromLatin1(name));
    g_window->cboDate(i)->setCurrentIndex(day - 1);
    g_window->cboMonth(i)->setCurrentIndex(month - 1);
    g_window->cboYear(i)->setCurrentIndex(year - 1900);
}

void BM_Proceed(benchmark::State& state) {
    SetPerson(0, "Ann", 1, 1, 1900);
    SetPerson(1, "Catherine", 9, 9, 1998);
    for (auto _ : state) {
        g_window->cmdProceed_Click();
        benchmark::DoNotOptimize(g_window->RTB()->document());
    }
    if (!g_platform->messages.isEmpty()) {
        state.SkipWithError("the entry check refused the entries");
    }
}
BENCHMARK(BM_Proceed)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kivo::testing::RecordingPlatform platform;
    frmMain window;
    window.show();
    g_window = &window;
    g_platform = &platform;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
