#include "tests/support/ScenarioProcess.h"

namespace kivo::testing {

ScenarioRun runScenario(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    ScenarioRun run;
    run.finished = process.waitForFinished(timeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitStatus = process.exitStatus();
    run.exitCode = process.exitCode();
    // Text written to a Windows program's standard output ends its lines
    // with "\r\n".
    run.lines = QString::fromLocal8Bit(process.readAllStandardOutput())
                    .remove(QLatin1Char('\r'))
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

}  // namespace kivo::testing
