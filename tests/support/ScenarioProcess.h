#pragma once
// Runs a helper program of the tests as its own process, for behaviour that
// happens once per process (the end routine, start-up), and returns what it
// printed, one entry per line.

#include <QProcess>
#include <QStringList>

namespace kivo::testing {

struct ScenarioRun {
    bool finished = false;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QStringList lines;
};

// Standard error is passed through, so a failing helper explains itself in
// the test's output.
ScenarioRun runScenario(const QString& program, const QStringList& arguments, int timeoutMs = 20000);

}  // namespace kivo::testing
