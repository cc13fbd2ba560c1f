// One proceed of the main window: the entry check, the conversion to UTF-8,
// the calculation, the four result labels and the report, on Qt's offscreen
// platform with the recording platform in place of message boxes.
// Goals: at most 1 ms median for ordinary names, at most 50 ms with pasted
// 100,000-character names. Names are set once, outside the timing: a paste is
// the line edit's work, the proceed is ours. The fields keep the first 32,767
// characters (QLineEdit's length limit), as they do for a user; the
// name_chars counter shows it.

#include "tests/support/RecordingPlatform.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kHostileLength = 100'000;

frmMain* g_window = nullptr;
kivo::testing::RecordingPlatform* g_platform = nullptr;

void SetDate(std::size_t i, int day, int month, int year) {
    g_window->cboDate(i)->setCurrentIndex(day - 1);
    g_window->cboMonth(i)->setCurrentIndex(month - 1);
    g_window->cboYear(i)->setCurrentIndex(year - 1900);
}

QString Repeat(const QString& piece) {
    QString text;
    text.reserve(kHostileLength);
    while (text.size() < kHostileLength) {
        text += piece;
    }
    text.truncate(kHostileLength);
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

void BM_Proceed(benchmark::State& state) {
    SetDate(0, 1, 1, 1900);
    SetDate(1, 9, 9, 1998);
    Proceed(state, QStringLiteral("Ann"), QStringLiteral("Catherine"));
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

BENCHMARK(BM_Proceed)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
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
