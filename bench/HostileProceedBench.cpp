// One proceed of the main window with pasted 100,000-character names: the
// entry check, the conversion to UTF-8, the calculation, the labels and the
// report, on Qt's offscreen platform with the recording platform in place of
// message boxes. The names are pasted once, outside the timing: a paste is
// the line edit's work, the proceed is ours. The fields keep the first 32,767
// characters (QLineEdit's length limit), as they do for a user; the
// name_chars counter shows it. Goal: at most 50 ms per proceed.

#include "tests/support/RecordingPlatform.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kLength = 100'000;

frmMain* g_window = nullptr;
kivo::testing::RecordingPlatform* g_platform = nullptr;

QString Repeat(const QString& piece) {
    QString text;
    text.reserve(kLength);
    while (text.size() < kLength) {
        text += piece;
    }
    text.truncate(kLength);
    return text;
}

void Proceed(benchmark::State& state, const QString& user, const QString& partner) {
    g_window->txtName(0)->setText(user);
    g_window->txtName(1)->setText(partner);
    g_platform->clear();
    for (auto _ : state) {
        g_window->cmdProceed_Click();
        benchmark::DoNotOptimize(g_window->RTB()->document());
    }
    if (!g_platform->messages.isEmpty()) {
        state.SkipWithError("the entry check refused the names");
    }
    state.counters["name_chars"] = static_cast<double>(g_window->txtName(0)->text().size());
}

void BM_ProceedLetters(benchmark::State& state) {
    Proceed(state, Repeat(QStringLiteral("Catherine ")), Repeat(QStringLiteral("Ann ")));
}

// Right-to-left text, emoji with joiners, NUL and control characters around
// a few letters: the slowest kind of text for UTF-8 conversion.
void BM_ProceedMixed(benchmark::State& state) {
    const QString mix = QStringLiteral("\u202Eمرحبا") + QChar(u'\0') +
                        QStringLiteral("A\t\r\nשלום\x1b😀\u200D👩b z ");
    Proceed(state, Repeat(mix), Repeat(QStringLiteral("😺 Кэт\u202Bkatze ")));
}

BENCHMARK(BM_ProceedLetters)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ProceedMixed)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
