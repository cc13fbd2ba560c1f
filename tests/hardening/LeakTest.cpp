// The program's whole run (LeakRun.cpp: start, one reading, close the main
// window, leave the promotion window) in a process of its own under
// LeakSanitizer. Any leak that our code asked for fails, and so does any
// widget left alive, which LeakSanitizer cannot see.
//
// The run gets no suppressions: a suppression written too broadly for the
// rest of the suite must not hide a leak of ours here. A leak counts as ours
// when one of the first frames above the allocator lies in our source tree,
// i.e. our code asked for the memory, directly or through a Qt call.

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kCallerFrames = 4;
constexpr int kWaitMs = 120000;

struct Leak {
    QString heading;  // "Direct leak of 16 byte(s) in 1 object(s) allocated from:"
    QStringList frames;
};

struct Run {
    int exitCode = -1;
    QString output;
    QString report;
};

// The allocator, the sanitizer's own frames and the C library's start-up.
bool isRuntimeFrame(const QString& frame) {
    static const QRegularExpression runtime(QStringLiteral(
        R"(libsanitizer|libasan|\bin (__interceptor_\w+|malloc|calloc|realloc|free|strdup|strndup|posix_memalign|aligned_alloc|operator new(\[\])?)\b)"));
    return runtime.match(frame).hasMatch();
}

bool isOurFrame(const QString& frame) { return frame.contains(QStringLiteral(" " KIVO_SOURCE_DIR "/")); }

QList<Leak> parseLeaks(const QString& report) {
    QList<Leak> leaks;
    static const QRegularExpression heading(QStringLiteral(R"(^(Direct|Indirect) leak of .*)"));
    static const QRegularExpression frame(QStringLiteral(R"(^\s+#\d+ .*)"));
    for (const QString& line : report.split(QLatin1Char('\n'))) {
        if (heading.match(line).hasMatch()) {
            leaks.append({line.trimmed(), {}});
        } else if (!leaks.isEmpty() && frame.match(line).hasMatch()) {
            leaks.last().frames.append(line.trimmed());
        }
    }
    return leaks;
}

bool isOurs(const Leak& leak) {
    int callers = 0;
    for (const QString& frame : leak.frames) {
        if (isRuntimeFrame(frame)) {
            continue;
        }
        if (isOurFrame(frame)) {
            return true;
        }
        if (++callers == kCallerFrames) {
            break;
        }
    }
    return false;
}

QString describe(const QList<Leak>& leaks) {
    QString text;
    for (const Leak& leak : leaks) {
        text += leak.heading + QLatin1Char('\n') + leak.frames.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace

class LeakTest : public QObject {
    Q_OBJECT

private:
    static Run runProgram(const QString& mode) {
        Run run;
        QTemporaryDir runtime;
        QTemporaryDir logs;
        if (!runtime.isValid() || !logs.isValid()) {
            return run;
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("KIVO_TEST_INSTANCE_FOLDER"), runtime.path());
        // Full stacks through Qt, which is built without frame pointers.
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS")) +
                       QStringLiteral(":detect_leaks=1:fast_unwind_on_malloc=0:log_path=") +
                       logs.filePath(QStringLiteral("report")));
        // No suppressions; leaks are judged below, not by the exit status.
        env.insert(QStringLiteral("LSAN_OPTIONS"), QStringLiteral("exitcode=0"));

        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(KIVO_LEAK_RUN), mode.isEmpty() ? QStringList{} : QStringList{mode});
        if (!process.waitForFinished(kWaitMs)) {
            process.kill();
            process.waitForFinished();
            run.output = QStringLiteral("did not end in time\n");
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.output += QString::fromLocal8Bit(process.readAll());
        for (const QFileInfo& file : QDir(logs.path()).entryInfoList(QDir::Files)) {
            QFile log(file.filePath());
            if (log.open(QIODevice::ReadOnly)) {
                run.report += QString::fromLocal8Bit(log.readAll());
            }
        }
        return run;
    }

private slots:
    void aWholeRunLeavesNothingOfOursBehind() {
        const Run run = runProgram(QString());
        QVERIFY2(run.output.contains(QStringLiteral("ok reading shown")) &&
                     run.output.contains(QStringLiteral("ok promotion window shown")),
                 qPrintable(run.output));
        QVERIFY2(!run.output.contains(QStringLiteral("FAILED")), qPrintable(run.output));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(!run.report.contains(QStringLiteral("ERROR: AddressSanitizer")), qPrintable(run.report));

        const QList<Leak> leaks = parseLeaks(run.report);
        QList<Leak> ours;
        std::copy_if(leaks.begin(), leaks.end(), std::back_inserter(ours), isOurs);
        QVERIFY2(ours.isEmpty(), qPrintable(describe(ours)));
        qInfo("%lld leak(s) reported in all, none of them ours", static_cast<long long>(leaks.size()));
    }

    // The checks above must be able to fail: a run that forgets a window and
    // an object of ours is caught by both the census and the leak report.
    void forgottenWindowAndObjectAreCaught() {
        const Run run = runProgram(QStringLiteral("canary"));
        QVERIFY2(run.output.contains(QStringLiteral("left alive: frmMain forgotten")),
                 qPrintable(run.output));
        QVERIFY(run.output.contains(QStringLiteral("FAILED no widget left alive")));

        const QList<Leak> leaks = parseLeaks(run.report);
        QList<Leak> ours;
        std::copy_if(leaks.begin(), leaks.end(), std::back_inserter(ours), isOurs);
        QVERIFY2(!ours.isEmpty(), qPrintable(run.report));
        const bool fromTheRun = std::any_of(ours.begin(), ours.end(), [](const Leak& leak) {
            return leak.frames.join(QLatin1Char('\n')).contains(QStringLiteral("LeakRun.cpp"));
        });
        QVERIFY2(fromTheRun, qPrintable(describe(ours)));
    }
};

QTEST_GUILESS_MAIN(LeakTest)
#include "LeakTest.moc"
