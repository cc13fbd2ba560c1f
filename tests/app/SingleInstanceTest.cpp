// The single-instance guard between real processes, each a kivo_lock_holder
// that takes it through SystemPlatform. Every row gets two fresh folders
// standing in for /run/user/<uid> and the home folder, plants there what a
// leftover, a full disk or another local user may have left, and starts
// copies: the first must start, and a second one is refused exactly while
// a live copy holds the guard. Every copy also gets XDG_RUNTIME_DIR, HOME
// and TMPDIR pointing into the row's folders, which the guard must ignore,
// and must leave its open files as they were once it has let go.
//
// chmod does not stop root, so where the test runs as root it makes folders
// read-only or full with mounts, in a mount namespace of its own.

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include <cerrno>

#include <fcntl.h>
#include <pwd.h>
#include <sched.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kAnswerMs = 5000;
constexpr char kLockName[] = "kivo-love-numerology.lock";

// What lies in the way before the first copy starts.
enum class Plant {
    Nothing,
    EmptyFile,
    LiveLockInfo,  // pid, name and host of a live process, as lock files once held
    Garbage,
    Directory,
    DanglingLink,
    Fifo,         // also where the shared temporary folder once held the lock
    DevZeroLink,  // likewise
    ReadOnlyRuntime,
    FullRuntime,
    RuntimeNotWritable,
    RuntimeWritableByOthers,
    NoRuntime,
    CacheIsRuntime,             // ~/.cache a link to the runtime folder: one lock file in both places
    OpenLockHeldByOtherUser,    // home and lock file open to all (chmod -R a+rX ~); another user locks it
    ClosedLockHeldByOtherUser,  // likewise, then the user closes the file to others again
    OpenLock,                   // home and lock file open to all, held by no one
    NothingUsable,
};

// What happens to the first copy before the second starts.
enum class Between { Nothing, KillFirst, KillFirstWhileItsBrowserRuns, OpenHomeToAll, StopFirstReplacing };

// Where a copy that starts is expected to hold its locks.
enum class Held { Both, RuntimeOnly, HomeOnly, Nowhere };

// One row: what lies in the way, the environments, what happens between
// the two copies, their answers and where a copy that starts holds its locks.
struct Row {
    Plant plant = Plant::Nothing;
    QStringList env{};  // for every copy
    Between between = Between::Nothing;
    QStringList secondEnv{};  // for the second copy
    bool secondViaSu = false;
    QString first = QStringLiteral("locked");
    QString second = QStringLiteral("refused");
    Held held = Held::Both;
};

struct Copy {
    std::unique_ptr<QProcess> process;
    QString answer;    // "locked", "unguarded", "refused", "replacing" or "no answer"
    QStringList held;  // the lock files it holds, as it started
    qint64 child = 0;
};

}  // namespace

Q_DECLARE_METATYPE(Row)

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    bool root_ = ::geteuid() == 0;
    bool ownMounts_ = false;
    std::unique_ptr<QTemporaryDir> base_;
    QString runtime_;
    QString home_;
    QStringList mounted_;
    std::vector<std::unique_ptr<Copy>> copies_;

    QString runtimeLock() const { return runtime_ + QLatin1Char('/') + QLatin1String(kLockName); }
    QString homeLock() const { return home_ + QStringLiteral("/.cache/") + QLatin1String(kLockName); }
    // Where the shared temporary folder once kept the lock when there was no
    // XDG_RUNTIME_DIR.
    QString oldTempLock() const {
        return base_->filePath(QStringLiteral("tmp/kivo-love-numerology-%1.lock").arg(::getuid()));
    }

    QProcessEnvironment environment(const QStringList& edits) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_);
        env.insert(QStringLiteral("HOME"), home_);
        env.insert(QStringLiteral("TMPDIR"), base_->filePath(QStringLiteral("tmp")));
        for (const QString& edit : edits) {
            if (edit.startsWith(QLatin1Char('-'))) {
                env.remove(edit.mid(1));
            } else {
                env.insert(edit.section(QLatin1Char('='), 0, 0), edit.section(QLatin1Char('='), 1));
            }
        }
        return env;
    }

    // The row's stand-ins for the runtime folder and the home folder, as the
    // holder takes them.
    QStringList places() const { return {runtime_, home_}; }

    // Starts a copy and waits for its answer.
    Copy& start(const QStringList& envEdits, const QStringList& args, bool viaSu = false) {
        Copy& copy = *copies_.emplace_back(std::make_unique<Copy>());
        copy.process = std::make_unique<QProcess>();
        copy.process->setProcessEnvironment(environment(envEdits));
        if (viaSu) {
            // A login shell of the same user: su's own environment, the
            // same user id.
            const QString user = QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
            copy.process->start(
                QStringLiteral("su"),
                QStringList{QStringLiteral("-s"), QStringLiteral("/bin/sh"), QStringLiteral("-"), user,
                            QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$@\""),
                            QStringLiteral(KIVO_LOCK_HOLDER)} +
                    args);
        } else {
            copy.process->start(QStringLiteral(KIVO_LOCK_HOLDER), args);
        }
        readAnswer(copy);
        if (args.contains(QLatin1String("browser")) && copy.answer != QLatin1String("refused")) {
            copy.child = readLine(*copy.process).section(QLatin1Char(' '), 1).toLongLong();
        }
        return copy;
    }

    void readAnswer(Copy& copy) const {
        const QString first = readLine(*copy.process);
        if (first == QLatin1String("started")) {
            copy.held = heldLocks({runtimeLock(), homeLock()});
            copy.answer = copy.held.isEmpty() ? QStringLiteral("unguarded") : QStringLiteral("locked");
        } else {
            copy.answer = first.isEmpty() ? QStringLiteral("no answer") : first;
        }
    }

    // Ends a copy as the user would; its last line tells how many files it
    // had open before it took the guard and after it let go.
    static void keptItsOpenFiles(QProcess& process) {
        if (process.state() != QProcess::NotRunning) {
            process.closeWriteChannel();
            QVERIFY(process.waitForFinished(kAnswerMs));
        }
        const QStringList counts = readLine(process).split(QLatin1Char(' '));  // "open files 7 7"
        QCOMPARE(counts.size(), 4);
        QCOMPARE(counts.at(3), counts.at(2));
    }

    // Which of the paths are lock files a running copy holds: no other open
    // of such a file can take its lock. Only regular files are opened, as
    // the guard does. A file reached by two paths (~/.cache a link to the
    // runtime folder) counts once, under the first.
    static QStringList heldLocks(const QStringList& paths) {
        QStringList held;
        QStringList seen;
        for (const QString& path : paths) {
            struct stat st {};
            const QString file = QFileInfo(path).canonicalFilePath();
            if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
                seen.contains(file)) {
                continue;
            }
            seen << file;
            const int fd =
                ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0) {
                continue;
            }
            if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
                held << path;
            }
            ::close(fd);
        }
        return held;
    }

    static QString readLine(QProcess& process) {
        QDeadlineTimer deadline(kAnswerMs);
        while (!process.canReadLine() && process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
            process.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        }
        return QString::fromLocal8Bit(process.readLine()).trimmed();
    }

    // The names of the runtime folder's entries that were opened since the
    // last call.
    static QStringList openedInRuntime(int opens) {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t size; (size = ::read(opens, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0) {
                    names << QString::fromLocal8Bit(event->name);
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

    QStringList lockPaths(Held held) const {
        QStringList paths;
        if (held == Held::Both || held == Held::RuntimeOnly) {
            paths << runtimeLock();
        }
        if (held == Held::Both || held == Held::HomeOnly) {
            paths << homeLock();
        }
        return paths;
    }

    // Where the old guard went when there was no XDG_RUNTIME_DIR: a file
    // where Qt would make its own runtime folder sends it on to the shared
    // temporary folder itself.
    void blockOldRuntimeFallback() {
        write(base_->filePath(QStringLiteral("tmp/runtime-%1")
                                  .arg(QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name))),
              {});
    }

    static void write(const QString& path, const QByteArray& content) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    void mountOnRuntime(const char* type, unsigned long flags, const char* options) {
        const QByteArray path = QFile::encodeName(runtime_);
        const bool bind = type == nullptr;
        QVERIFY2(
            ::mount(bind ? path.constData() : type, path.constData(), type, bind ? MS_BIND : 0, options) == 0,
            strerror(errno));
        mounted_ << runtime_;
        if (bind) {
            QVERIFY2(::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | flags, nullptr) == 0,
                     strerror(errno));
        }
    }

    void putInTheWay(Plant what) {
        const QByteArray runtimeLockPath = QFile::encodeName(runtimeLock());
        switch (what) {
        case Plant::Nothing:
            break;
        case Plant::EmptyFile:
            write(runtimeLock(), {});
            break;
        case Plant::LiveLockInfo:
            write(runtimeLock(), QStringLiteral("%1\n%2\n%3\n")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                                          QSysInfo::machineHostName())
                                     .toUtf8());
            break;
        case Plant::Garbage:
            write(runtimeLock(), QByteArray("\x89\xff\x00garbage\n-1\n\n", 14).repeated(100));
            break;
        case Plant::Directory:
            QVERIFY(QDir().mkdir(runtimeLock()));
            break;
        case Plant::DanglingLink:
            QVERIFY(::symlink(QFile::encodeName(base_->filePath(QStringLiteral("gone"))).constData(),
                              runtimeLockPath.constData()) == 0);
            break;
        case Plant::Fifo:
            QVERIFY(::mkfifo(runtimeLockPath.constData(), 0600) == 0);
            QVERIFY(::mkfifo(QFile::encodeName(oldTempLock()).constData(), 0600) == 0);
            blockOldRuntimeFallback();
            break;
        case Plant::DevZeroLink:
            QVERIFY(::symlink("/dev/zero", runtimeLockPath.constData()) == 0);
            QVERIFY(::symlink("/dev/zero", QFile::encodeName(oldTempLock()).constData()) == 0);
            blockOldRuntimeFallback();
            break;
        case Plant::ReadOnlyRuntime:
            if (root_) {
                mountOnRuntime(nullptr, MS_RDONLY, nullptr);
            } else {
                QVERIFY(QFile::setPermissions(runtime_, QFile::ReadOwner | QFile::ExeOwner));
            }
            break;
        case Plant::FullRuntime:
            // No inode left: not even an empty file can be made.
            mountOnRuntime("tmpfs", 0, "size=64k,nr_inodes=1,mode=0700");
            break;
        case Plant::RuntimeNotWritable:
            if (root_) {
                QVERIFY(::chown(QFile::encodeName(runtime_).constData(), 65534, 65534) == 0);
            } else {
                QVERIFY(QFile::setPermissions(runtime_, {}));
            }
            break;
        case Plant::RuntimeWritableByOthers:
            QVERIFY(::chmod(QFile::encodeName(runtime_).constData(), 0777) == 0);
            break;
        case Plant::NoRuntime:
            QVERIFY(QDir(runtime_).removeRecursively());
            break;
        case Plant::CacheIsRuntime:
            QVERIFY(::symlink(QFile::encodeName(runtime_).constData(),
                              QFile::encodeName(home_ + QStringLiteral("/.cache")).constData()) == 0);
            break;
        case Plant::OpenLock:
        case Plant::OpenLockHeldByOtherUser:
        case Plant::ClosedLockHeldByOtherUser: {
            for (const QString& path : {base_->path(), home_, home_ + QStringLiteral("/.cache")}) {
                QVERIFY(QDir().mkpath(path));
                QVERIFY(::chmod(QFile::encodeName(path).constData(), 0755) == 0);
            }
            write(homeLock(), {});
            QVERIFY(::chmod(QFile::encodeName(homeLock()).constData(), 0644) == 0);
            if (what == Plant::OpenLock) {
                break;
            }
            // An account of no one's: root may take any user id.
            Copy& other = *copies_.emplace_back(std::make_unique<Copy>());
            other.process = std::make_unique<QProcess>();
            other.process->start(QStringLiteral("setpriv"),
                                 {QStringLiteral("--reuid=54321"), QStringLiteral("--regid=54321"),
                                  QStringLiteral("--clear-groups"), QStringLiteral("flock"),
                                  QStringLiteral("--nonblock"), homeLock(), QStringLiteral("sh"),
                                  QStringLiteral("-c"), QStringLiteral("echo held; exec cat")});
            QCOMPARE(readLine(*other.process), QStringLiteral("held"));
            if (what == Plant::ClosedLockHeldByOtherUser) {
                QVERIFY(::chmod(QFile::encodeName(homeLock()).constData(), 0600) == 0);
            }
            break;
        }
        case Plant::NothingUsable:
            QVERIFY(QDir().mkdir(runtimeLock()));
            QVERIFY(QDir().mkpath(homeLock()));
            break;
        }
    }

private slots:
    void initTestCase() {
        // Our own mount namespace, private, so that mounts made here stay
        // with this process and its children and go when they end.
        ownMounts_ = root_ && ::unshare(CLONE_NEWNS) == 0 &&
                     ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }

    void init() {
        base_ = std::make_unique<QTemporaryDir>();
        QVERIFY(base_->isValid());
        runtime_ = base_->filePath(QStringLiteral("run"));
        home_ = base_->filePath(QStringLiteral("home"));
        for (const QString& folder : {runtime_, home_, base_->filePath(QStringLiteral("tmp"))}) {
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
    }

    void cleanup() {
        for (const auto& copy : copies_) {
            if (copy->process->state() != QProcess::NotRunning) {
                copy->process->kill();
                copy->process->waitForFinished(kAnswerMs);
            }
            if (copy->child > 0) {
                ::kill(static_cast<pid_t>(copy->child), SIGKILL);
            }
        }
        copies_.clear();
        for (const QString& path : std::as_const(mounted_)) {
            ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
        }
        mounted_.clear();
        if (QFileInfo::exists(runtime_)) {
            if (::chown(QFile::encodeName(runtime_).constData(), ::geteuid(), ::getegid()) != 0) {
                qWarning("could not give %s back to this user", qPrintable(runtime_));
            }
            QFile::setPermissions(runtime_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        base_.reset();
    }

    void onlyALiveCopyKeepsTheNextOut_data() {
        QTest::addColumn<Row>("row");
        const QString locked = QStringLiteral("locked");
        const QString unguarded = QStringLiteral("unguarded");
        const QStringList noRuntimeVariable{QStringLiteral("-XDG_RUNTIME_DIR")};
        const Between stop = Between::StopFirstReplacing;
        const auto add = [](const char* name, const Row& row) { QTest::newRow(name) << row; };
        const auto homeOnly = [&](const char* name, Plant plant, const QStringList& env = {}) {
            add(name, {.plant = plant, .env = env, .held = Held::HomeOnly});
        };
        add("alone, then a second copy", {});
        add("empty lock file", {.plant = Plant::EmptyFile});
        add("lock file naming a live process", {.plant = Plant::LiveLockInfo});
        add("garbage in the lock file", {.plant = Plant::Garbage});
        homeOnly("a folder in the lock's place", Plant::Directory);
        homeOnly("a dangling link in the lock's place", Plant::DanglingLink);
        homeOnly("FIFOs in the lock's place and the old temporary one", Plant::Fifo, noRuntimeVariable);
        homeOnly("links to /dev/zero there", Plant::DevZeroLink, noRuntimeVariable);
        homeOnly("read-only runtime folder", Plant::ReadOnlyRuntime);
        homeOnly("full runtime folder", Plant::FullRuntime);
        homeOnly("runtime folder the user cannot write", Plant::RuntimeNotWritable);
        homeOnly("runtime folder others may write", Plant::RuntimeWritableByOthers);
        homeOnly("no runtime folder", Plant::NoRuntime);
        add("~/.cache a link to the runtime folder",
            {.plant = Plant::CacheIsRuntime, .held = Held::RuntimeOnly});
        add("lock file open to all, held by another user", {.plant = Plant::OpenLockHeldByOtherUser});
        add("lock file held by another user, closed to others since",
            {.plant = Plant::ClosedLockHeldByOtherUser});
        add("own copy running, then chmod -R a+rX ~",
            {.plant = Plant::NoRuntime, .between = Between::OpenHomeToAll, .held = Held::HomeOnly});
        // Another copy starts while the first has made sure of the old file,
        // just before it puts its fresh one in place.
        add("two copies replace a lock file open to all", {.plant = Plant::OpenLock, .between = stop});
        add("two copies replace a lock file another user holds",
            {.plant = Plant::OpenLockHeldByOtherUser, .between = stop});
        add("no usable place: both copies start",
            {.plant = Plant::NothingUsable, .first = unguarded, .second = unguarded, .held = Held::Nowhere});

        add("second copy without XDG_RUNTIME_DIR", {.secondEnv = noRuntimeVariable});
        add("second copy with another XDG_RUNTIME_DIR",
            {.secondEnv = {QStringLiteral("XDG_RUNTIME_DIR=/tmp")}});
        add("second copy with another HOME and TMPDIR",
            {.secondEnv = {QStringLiteral("HOME=/"), QStringLiteral("TMPDIR=/var/tmp")}});
        add("second copy through su - as the same user", {.secondViaSu = true});

        add("killed copy", {.between = Between::KillFirst, .second = locked});
        add("killed copy whose browser still runs",
            {.between = Between::KillFirstWhileItsBrowserRuns, .second = locked});
    }

    void onlyALiveCopyKeepsTheNextOut() {
        QFETCH(Row, row);
        const auto& [plant, env, between, secondEnv, secondViaSu, first, second, held] = row;

        const bool mounts = plant == Plant::FullRuntime || (plant == Plant::ReadOnlyRuntime && root_);
        if (mounts && !ownMounts_) {
            QSKIP("this needs a mount, which only root can make in a mount namespace of its own");
        }
        const bool otherUser =
            plant == Plant::OpenLockHeldByOtherUser || plant == Plant::ClosedLockHeldByOtherUser;
        if (otherUser && !root_) {
            QSKIP(
                "not root: only root can hold a lock as another user, so a lock file others hold "
                "goes untested here");
        }
        if (secondViaSu && !root_) {
            QSKIP("su asks others than root for a password");
        }
        putInTheWay(plant);
        if (QTest::currentTestFailed()) {
            return;
        }

        // What lies in the lock's place and is not a regular file is not even
        // opened: the system tells of every open in the runtime folder.
        const int opens = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(opens >= 0);
        const auto closeOpens = qScopeGuard([opens] { ::close(opens); });
        const bool watched =
            ::inotify_add_watch(opens, QFile::encodeName(runtime_).constData(), IN_OPEN) >= 0;

        const bool stop = between == Between::StopFirstReplacing;
        Copy& firstCopy = start(env, places() + (between == Between::KillFirstWhileItsBrowserRuns
                                                     ? QStringList{QStringLiteral("browser")}
                                                 : stop ? QStringList{QStringLiteral("pause")}
                                                        : QStringList{}));
        if (stop) {
            QCOMPARE(firstCopy.answer, QStringLiteral("replacing"));
            // It meets the first in ~/.cache only, as one started before the
            // session made the runtime folder would.
            Copy& another = start(env, {base_->filePath(QStringLiteral("none")), home_});
            QCOMPARE(another.answer, QStringLiteral("refused"));
            keptItsOpenFiles(*another.process);
            firstCopy.process->write("\n");
            readAnswer(firstCopy);
        }
        QCOMPARE(firstCopy.answer, first);
        if (otherUser || plant == Plant::OpenLock) {
            // A fresh file only the user can open took the place of the one
            // others could hold.
            struct stat lockFile {};
            QVERIFY(::stat(QFile::encodeName(homeLock()).constData(), &lockFile) == 0);
            QCOMPARE(lockFile.st_mode & 0777, 0600U);
            QVERIFY(!otherUser || copies_.front()->process->state() == QProcess::Running);
        }
        if (plant == Plant::Fifo || plant == Plant::Directory || plant == Plant::NothingUsable) {
            QVERIFY(watched);
            QVERIFY2(!openedInRuntime(opens).contains(QLatin1String(kLockName)),
                     "the copy opened what lies in the lock's place");
        }

        if (between == Between::OpenHomeToAll) {
            QCOMPARE(QProcess::execute(QStringLiteral("chmod"),
                                       {QStringLiteral("-R"), QStringLiteral("a+rX"), home_}),
                     0);
        }
        const bool kill = between == Between::KillFirst || between == Between::KillFirstWhileItsBrowserRuns;
        if (kill) {
            if (between == Between::KillFirstWhileItsBrowserRuns) {
                QVERIFY(firstCopy.child > 0);
            }
            firstCopy.process->kill();  // SIGKILL: nothing of ours runs to let go
            QVERIFY(firstCopy.process->waitForFinished(kAnswerMs));
        }

        Copy& secondCopy = start(env + secondEnv, places(), secondViaSu);
        QCOMPARE(secondCopy.answer, second);
        if (second == QLatin1String("refused")) {
            QVERIFY(secondCopy.process->waitForFinished(kAnswerMs));
            QCOMPARE(secondCopy.process->exitCode(), 3);
            QCOMPARE(firstCopy.process->state(), QProcess::Running);
        } else {
            QCOMPARE(secondCopy.held, lockPaths(held));
        }
        QCOMPARE(firstCopy.held, lockPaths(held));
        keptItsOpenFiles(*secondCopy.process);
        if (!kill) {
            keptItsOpenFiles(*firstCopy.process);
        }
    }

    // Without stand-ins the guard finds its places from the user id alone:
    // none of the folders the environment names is used.
    void theUsersOwnPlacesIgnoreTheEnvironment() {
        const Copy& copy = start({}, {});
        if (copy.answer == QLatin1String("refused")) {
            QSKIP("a copy of the program is running for this user");
        }
        QVERIFY2(copy.answer == QLatin1String("locked") || copy.answer == QLatin1String("unguarded"),
                 qPrintable(copy.answer));
        QCOMPARE(heldLocks({runtimeLock(), homeLock(), oldTempLock()}), QStringList());
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
