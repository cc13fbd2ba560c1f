// One proceed of the main window as a user makes it: the entry page in front
// with the entries made (not timed), then the click on the proceed button
// and the repaint of the result page it brings to the front, through the
// entry check, the conversion to UTF-8, the calculation, the four result
// labels and the report. Qt's offscreen platform paints into a real backing
// store; the recording platform stands in for message boxes.
//
// Goals: at most 0.5 ms median for ordinary names, at most 50 ms with pasted
// 100,000-character names. Names are set outside the timing: a paste is the
// line edit's work, the proceed is ours. The fields keep the first 32,767
// characters (QLineEdit's length limit), as they do for a user; the
// name_chars counter shows it.
//
// BM_PasteBackRounds makes what a user does again and again: pastes a
// 32,767-letter name, proceeds, goes back. Its counter rss_growth_mib is how
// much the resident memory grew over its 250 rounds; it stays near 0 when
// nothing of a round is kept (emptying the name must leave no undo behind).
//
// BM_FirstProceed times the first proceed of a newly built window; the very
// first proceed after start-up, before anything on the result page has been
// drawn, is in the context printed before the table
// (first_proceed_in_process).

#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>

namespace {

using kivo::testing::child;

constexpr qsizetype kHostileLength = 100'000;

struct Person {
    QString name;
    int day;
    int month;
    int year;
};
using Entries = std::array<Person, 2>;

// Two sets of entries with different results, so that each proceed changes
// every result label and the report.
const std::array<Entries, 2>& ordinaryEntries() {
    static const std::array<Entries, 2> kEntries{{
        {{{QStringLiteral("Ann"), 1, 1, 1900}, {QStringLiteral("Catherine"), 9, 9, 1998}}},
        {{{QStringLiteral("Jonathan"), 15, 6, 1975}, {QStringLiteral("Eve"), 3, 11, 1988}}},
    }};
    return kEntries;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* watched) : QObject(watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

// Runs what is queued, the repaint of the changed widgets among it.
void settle() { QCoreApplication::processEvents(); }

// The main window on screen, reached through its controls' object names.
class Window {
public:
    Window() {
        window_.show();
        settle();
    }

    // Puts the entry page in front with the entries made. The page is raised
    // and given input again, as the window does when it brings it forward,
    // rather than reached through the back button, which would empty the
    // first name field; and it is not painted: the proceed repaints the whole
    // result page either way, and painting the entry page with 32,767
    // characters in each name field is the line edit's work, many times the
    // proceed's. A field that already holds its name is left alone.
    void enter(const Entries& entries) {
        QWidget* entryPage = child(window_, "fraMain");
        entryPage->setEnabled(true);
        entryPage->raise();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Person& person = entries[i];
            auto* name = child<QLineEdit>(window_, "txtName", i);
            if (name->text() != person.name.left(name->maxLength())) {
                name->setText(person.name);
            }
            child<QComboBox>(window_, "cboDate", i)->setCurrentIndex(person.day - 1);
            child<QComboBox>(window_, "cboMonth", i)->setCurrentIndex(person.month - 1);
            auto* year = child<QComboBox>(window_, "cboYear", i);
            year->setCurrentIndex(year->findText(QString::number(person.year)));
        }
    }

    // The click and the repaint it causes; false when the result page was
    // not painted.
    bool proceed() {
        const int before = resultPaints_->count;
        proceed_->click();
        settle();
        return resultPaints_->count > before;
    }

    qsizetype nameLength() const { return child<QLineEdit>(window_, "txtName_0")->text().size(); }
    QWidget* widget() { return &window_; }

private:
    frmMain window_;
    QPushButton* proceed_ = child<QPushButton>(window_, "cmdProceed");
    PaintCounter* resultPaints_ = new PaintCounter(child(window_, "fraResult"));
};

kivo::testing::RecordingPlatform* g_platform = nullptr;
Window* g_window = nullptr;

// Reports what makes a run worthless: a refused entry or a missing repaint.
bool failed(benchmark::State& state, bool painted) {
    if (!g_platform->messages.isEmpty()) {
        state.SkipWithError("the entry check refused the names");
        return true;
    }
    if (!painted) {
        state.SkipWithError("the result page was not repainted");
        return true;
    }
    return false;
}

void proceedWith(benchmark::State& state, const std::array<Entries, 2>& alternatives) {
    g_platform->clear();
    std::size_t turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        g_window->enter(alternatives[turn++ % alternatives.size()]);
        state.ResumeTiming();
        if (failed(state, g_window->proceed())) {
            break;
        }
    }
}

// The hostile names, the same for every proceed.
void proceedWithPasted(benchmark::State& state, const Entries& entries) {
    proceedWith(state, {entries, entries});
    state.counters["name_chars"] = static_cast<double>(g_window->nameLength());
}

void BM_Proceed(benchmark::State& state) { proceedWith(state, ordinaryEntries()); }

void BM_FirstProceed(benchmark::State& state) {
    g_platform->clear();
    std::unique_ptr<Window> window;
    for (auto _ : state) {
        state.PauseTiming();
        window.reset();
        window = std::make_unique<Window>();
        window->enter(ordinaryEntries()[0]);
        state.ResumeTiming();
        if (failed(state, window->proceed())) {
            break;
        }
    }
}

QString repeat(const QString& piece) {
    QString text;
    text.reserve(kHostileLength);
    while (text.size() < kHostileLength) {
        text += piece;
    }
    text.truncate(kHostileLength);
    return text;
}

void BM_ProceedLetters(benchmark::State& state) {
    const Entries entries{
        {{repeat(QStringLiteral("Catherine ")), 1, 1, 1900}, {repeat(QStringLiteral("Ann ")), 9, 9, 1998}}};
    proceedWithPasted(state, entries);
}

// Right-to-left text, emoji with joiners, NUL and control characters around
// a few letters: the slowest kind of text for UTF-8 conversion.
void BM_ProceedMixed(benchmark::State& state) {
    const QString mix =
        QStringLiteral("\u202Eمرحبا") + QChar(u'\0') + QStringLiteral("A\t\r\nשלום\x1b😀\u200D👩b z ");
    const Entries entries{
        {{repeat(mix), 1, 1, 1900}, {repeat(QStringLiteral("😺 Кэт\u202Bkatze ")), 9, 9, 1998}}};
    proceedWithPasted(state, entries);
}

// The process's resident memory in MiB, from /proc.
double residentMib() {
    std::ifstream status("/proc/self/status");
    std::string field;
    double kib = 0;
    while (status >> field) {
        if (field == "VmRSS:") {
            status >> kib;
            break;
        }
    }
    return kib / 1024.0;
}

void BM_PasteBackRounds(benchmark::State& state) {
    g_platform->clear();
    // The user's field is left to the paste: back empties it every round.
    const Entries entries{{{QString(), 1, 1, 1900}, {QStringLiteral("Ann"), 9, 9, 1998}}};
    const QString pasted = repeat(QStringLiteral("Catherine "));
    auto* name = child<QLineEdit>(*g_window->widget(), "txtName_0");
    QPushButton* back = nullptr;
    double before = 0;
    for (auto _ : state) {
        g_window->enter(entries);
        name->insert(pasted);  // as a paste does: an edit the field can undo
        if (failed(state, g_window->proceed())) {
            break;
        }
        if (back == nullptr) {
            back = child<QPushButton>(*g_window->widget(), "cmdBack");
            // Measured from the second round on: the first builds the result page.
            before = residentMib();
        }
        back->click();
        settle();
    }
    state.counters["rss_growth_mib"] = residentMib() - before;
}

BENCHMARK(BM_Proceed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstProceed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProceedLetters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProceedMixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteBackRounds)->Unit(benchmark::kMillisecond)->Iterations(250);

// The first proceed after start-up, once: fonts, text layout and the result
// page are all cold. Reported in microseconds.
double firstProceedInProcess() {
    g_window->enter(ordinaryEntries()[0]);
    QElapsedTimer timer;
    timer.start();
    const bool painted = g_window->proceed();
    const double micros = static_cast<double>(timer.nsecsElapsed()) / 1000.0;
    if (!painted || !g_platform->messages.isEmpty()) {
        qFatal("the first proceed was refused or not painted");
    }
    return micros;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kivo::testing::RecordingPlatform platform;
    g_platform = &platform;
    Window window;
    g_window = &window;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    char first[32];
    std::snprintf(first, sizeof first, "%.0f us", firstProceedInProcess());
    benchmark::AddCustomContext("first_proceed_in_process", first);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
