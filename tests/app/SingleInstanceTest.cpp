// The single-instance lock between real processes: each copy is the helper
// kivo_lock_holder, which takes the lock through SystemPlatform. Every test
// gets its own runtime folder, so a copy the user runs is never in the way.

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWaitMs = 10000;

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> runtime_;

    // Starts a copy and returns its first line of output ("locked <path>" or
    // "refused").
    std::unique_ptr<QProcess> start(QString& firstLine) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_->path());
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(KIVO_LOCK_HOLDER), {});
        firstLine.clear();
        if (!process->waitForStarted(kWaitMs)) {
            return process;
        }
        while (!process->canReadLine() && process->state() == QProcess::Running) {
            process->waitForReadyRead(kWaitMs);
        }
        firstLine = QString::fromLocal8Bit(process->readLine()).trimmed();
        return process;
    }

    QString lockPath() const { return runtime_->filePath(QStringLiteral("kivo-love-numerology.lock")); }

    static qint64 lockOwner(const QString& path) {
        QLockFile file(path);
        qint64 pid = 0;
        QString host;
        QString app;
        return file.getLockInfo(&pid, &host, &app) ? pid : -1;
    }

    // Ends a holder the way a program ends normally: it lets go of the lock.
    static void release(QProcess& holder) {
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(kWaitMs));
        QCOMPARE(holder.exitCode(), 0);
    }

private slots:
    void init() {
        runtime_ = std::make_unique<QTemporaryDir>();
        QVERIFY(runtime_->isValid());
    }

    void cleanup() { runtime_.reset(); }

    void secondCopyIsRefusedAndTheFirstCarriesOn() {
        QString first;
        auto running = start(first);
        QCOMPARE(first, QStringLiteral("locked ") + lockPath());

        QString second;
        auto refused = start(second);
        QCOMPARE(second, QStringLiteral("refused"));
        QVERIFY(refused->waitForFinished(kWaitMs));
        QCOMPARE(refused->exitCode(), 3);

        // The copy that runs keeps its lock, untouched by the refused one.
        QCOMPARE(running->state(), QProcess::Running);
        QCOMPARE(lockOwner(lockPath()), running->processId());

        QString third;
        auto alsoRefused = start(third);
        QCOMPARE(third, QStringLiteral("refused"));
        alsoRefused->waitForFinished(kWaitMs);

        release(*running);
    }

    void lockOfAKilledCopyIsTakenOver() {
        QString first;
        auto victim = start(first);
        QVERIFY(first.startsWith(QStringLiteral("locked ")));
        victim->kill();  // SIGKILL: no chance to remove its lock file
        QVERIFY(victim->waitForFinished(kWaitMs));
        QVERIFY2(QFile::exists(lockPath()), "a killed copy should leave its lock file behind");

        QString next;
        auto successor = start(next);
        QCOMPARE(next, QStringLiteral("locked ") + lockPath());
        QCOMPARE(lockOwner(lockPath()), successor->processId());

        // And the new holder is as exclusive as the first one was.
        QString late;
        auto refused = start(late);
        QCOMPARE(late, QStringLiteral("refused"));
        refused->waitForFinished(kWaitMs);

        release(*successor);
    }

    void copyThatEndsLetsTheNextOneRun() {
        QString first;
        auto earlier = start(first);
        QVERIFY(first.startsWith(QStringLiteral("locked ")));
        release(*earlier);
        QVERIFY(!QFile::exists(lockPath()));

        QString next;
        auto later = start(next);
        QVERIFY(next.startsWith(QStringLiteral("locked ")));
        release(*later);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
