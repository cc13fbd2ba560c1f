// The Linux guard: flock() on a lock file of our own in each of the user's
// two private folders.

#include "app/platform/InstanceGuard.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace kivo::platform {

namespace {

constexpr char kLockName[] = "kivo-love-numerology.lock";

// A descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// A folder of the user's that nobody else may write to: nothing in it can
// have been put there or swapped by anyone but the user (or root).
bool onlyUserCanWrite(int folder, uid_t uid) {
    struct stat st {};
    return ::fstat(folder, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string accountHome(uid_t uid) {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384U);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

// Where a fresh lock file is made before it takes the lock's place. Every
// copy makes it under this one name, so that its lock lets one copy at a
// time replace the lock file.
constexpr char kFreshName[] = "kivo-love-numerology.lock.new";

// Again: the file was replaced meanwhile; look at the one now in its place.
enum class Take { Held, AlreadyHeld, Busy, Unusable, Again };

bool sameFile(const struct stat& file, int other) {
    struct stat st {};
    return ::fstat(other, &st) == 0 && st.st_dev == file.st_dev && st.st_ino == file.st_ino;
}

// Whether `name` in `folder` still names `file`: not removed, nor replaced.
bool stillNamed(int folder, const char* name, const struct stat& file) {
    struct stat st {};
    return ::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && st.st_dev == file.st_dev &&
           st.st_ino == file.st_ino;
}

// Whether users other than the owner may open the file: its mode lets them.
bool othersMayOpen(const struct stat& file) { return (file.st_mode & (S_IRWXG | S_IRWXO)) != 0; }

// Whether a process of another user holds the lock on `file`, as the
// kernel's list of locks tells: someone who opened the file while others
// could still hold it after the user closed it to them. Where the list
// cannot tell, the holder counts as a copy of ours.
bool heldByAnotherUser(const struct stat& file, uid_t uid) {
    std::FILE* locks = std::fopen("/proc/locks", "re");
    if (locks == nullptr) {
        return false;
    }
    bool other = false;
    char line[256];
    while (!other && std::fgets(line, sizeof line, locks) != nullptr) {
        // "1: FLOCK  ADVISORY  WRITE <pid> <major>:<minor>:<inode> 0 EOF";
        // a process waiting for the lock has "->" before FLOCK.
        int pid = 0;
        unsigned devMajor = 0;
        unsigned devMinor = 0;
        unsigned long inode = 0;
        if (std::sscanf(line, "%*d: FLOCK %*s %*s %d %x:%x:%lu", &pid, &devMajor, &devMinor, &inode) != 4 ||
            pid <= 0 || devMajor != major(file.st_dev) || devMinor != minor(file.st_dev) ||
            inode != file.st_ino) {
            continue;
        }
        struct stat process {};
        const std::string path = "/proc/" + std::to_string(pid);
        other = ::stat(path.c_str(), &process) == 0 && process.st_uid != uid;
    }
    std::fclose(locks);
    return other;
}

// Who has the lock on the file, once this process asked for it.
enum class Lock { Taken, HeldByOurs, HeldByAnotherUser, Failed };

Lock lockFile(int file, const struct stat& st, uid_t uid) {
    if (::flock(file, LOCK_EX | LOCK_NB) == 0) {
        return Lock::Taken;
    }
    if (errno != EWOULDBLOCK) {
        return Lock::Failed;
    }
    return heldByAnotherUser(st, uid) ? Lock::HeldByAnotherUser : Lock::HeldByOurs;
}

// Opens the regular file of the user's under `name`, made if missing, and
// fills `st`; -1 for anything else in its place (a folder, a link, a FIFO,
// a device), which is not even opened: a FIFO would block and a device may
// act on open. Close-on-exec: a browser the program starts must not inherit
// the lock and keep it after the program has ended.
int openOwnFile(int folder, const char* name, uid_t uid, struct stat& st) {
    if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        !(S_ISREG(st.st_mode) && st.st_uid == uid)) {
        return -1;
    }
    Descriptor file(::openat(folder, name,
                             O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                             S_IRUSR | S_IWUSR));
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != uid) {
        return -1;
    }
    return file.release();
}

// Puts a fresh lock file that only the user can open in the place of `old`,
// one that others could open or hold: they may hold a lock on it for as
// long as they like. The fresh file is renamed into place, so the lock's
// name never stands empty, and arrives locked: it is this copy's lock. A
// copy that finds the fresh file locked has met a copy of ours about to
// run. Another copy that replaced `old` first is left be. Only another
// user who holds `old` and lets go of it just then can let a copy of ours
// take it meanwhile: two copies run then, the side to err on.
Take replaceWithPrivate(int folder, uid_t uid, const struct stat& old,
                        const std::function<void()>& beforeReplacing, int& lock) {
    struct stat st {};
    Descriptor fresh(openOwnFile(folder, kFreshName, uid, st));
    if (fresh.get() < 0) {
        return Take::Unusable;
    }
    switch (lockFile(fresh.get(), st, uid)) {
    case Lock::Taken:
        break;
    case Lock::HeldByOurs:
        return Take::Busy;
    case Lock::HeldByAnotherUser:
    case Lock::Failed:
        return Take::Unusable;
    }
    if (!stillNamed(folder, kFreshName, st)) {
        return Take::Again;  // the copy that had it put it in place, or took it away
    }
    if (!stillNamed(folder, kLockName, old)) {
        ::unlinkat(folder, kFreshName, 0);
        return Take::Again;  // replaced already
    }
    if (beforeReplacing) {
        beforeReplacing();
    }
    if (::fchmod(fresh.get(), S_IRUSR | S_IWUSR) != 0 ||
        ::renameat(folder, kFreshName, folder, kLockName) != 0) {
        ::unlinkat(folder, kFreshName, 0);
        return Take::Unusable;
    }
    lock = fresh.release();
    return Take::Held;
}

// Locks our lock file in `folder`. The file's content is never read; it is
// only a thing to lock, and the lock counts only while the file is still
// in the lock's place. A file that others may open, or that another user
// holds, is replaced; but a running copy of ours holding it is a running
// copy all the same. A file this process holds already (both places are
// one, through a link the user made) is not locked twice: the second lock
// would wait for the first.
Take takeLockIn(int folder, uid_t uid, const std::vector<std::intptr_t>& held,
                const std::function<void()>& beforeReplacing, int& lock) {
    // Again only when another copy replaced the file meanwhile: a few times
    // at most.
    for (int attempt = 0; attempt < 4; ++attempt) {
        struct stat st {};
        Descriptor file(openOwnFile(folder, kLockName, uid, st));
        if (file.get() < 0) {
            return Take::Unusable;
        }
        for (const std::intptr_t other : held) {
            if (sameFile(st, static_cast<int>(other))) {
                return Take::AlreadyHeld;
            }
        }
        const Lock state = lockFile(file.get(), st, uid);
        if (state == Lock::Failed) {
            return Take::Unusable;
        }
        if (state == Lock::HeldByOurs) {
            return Take::Busy;
        }
        if (state == Lock::Taken && !stillNamed(folder, kLockName, st)) {
            continue;
        }
        if (state == Lock::Taken && !othersMayOpen(st)) {
            lock = file.release();
            return Take::Held;
        }
        // Replaced while this copy holds the old file's lock where it could
        // be had, so that no copy of ours takes it meanwhile.
        const Take taken = replaceWithPrivate(folder, uid, st, beforeReplacing, lock);
        if (taken != Take::Again) {
            return taken;
        }
    }
    return Take::Unusable;
}

// The user's runtime folder, set up by the login manager and only ever the
// user's own; /run/user itself belongs to root.
int openRuntimeFolder(const std::string& path, uid_t uid) {
    Descriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return folder.get() >= 0 && onlyUserCanWrite(folder.get(), uid) ? folder.release() : -1;
}

// ~/.cache, made if missing. Home and .cache may be links the user or the
// administrator made: in a home only the user can write, nobody else could.
int openCacheFolder(const std::string& home, uid_t uid) {
    if (home.empty() || home.front() != '/') {
        return -1;
    }
    Descriptor homeFolder(::open(home.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (homeFolder.get() < 0 || !onlyUserCanWrite(homeFolder.get(), uid)) {
        return -1;
    }
    ::mkdirat(homeFolder.get(), ".cache", S_IRWXU);
    Descriptor cache(::openat(homeFolder.get(), ".cache", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return cache.get() >= 0 && onlyUserCanWrite(cache.get(), uid) ? cache.release() : -1;
}

}  // namespace

InstanceGuard::State InstanceGuard::acquire() {
    if (state_ != State::NotTried) {
        return state_;
    }
    // The user is the user id alone: su, sudo, env -u or another
    // XDG_RUNTIME_DIR lead to the same two places.
    const uid_t uid = ::geteuid();
    const std::string runtime =
        places_.runtimeFolder.empty() ? "/run/user/" + std::to_string(uid) : places_.runtimeFolder;
    const std::string home = places_.home.empty() ? accountHome(uid) : places_.home;

    // The lock is taken in both places where it can be: a copy that found
    // only one of them usable (started before the user's session made
    // /run/user/<uid>, say) still meets the next copy in the other.
    const int folders[] = {openRuntimeFolder(runtime, uid), openCacheFolder(home, uid)};
    State result = State::Unavailable;
    for (const int fd : folders) {
        Descriptor folder(fd);
        if (folder.get() < 0 || result == State::OtherCopyRunning) {
            continue;
        }
        int lock = -1;
        switch (takeLockIn(folder.get(), uid, handles_, places_.beforeReplacing, lock)) {
        case Take::Held:
            handles_.push_back(lock);
            result = State::Held;
            break;
        case Take::Busy:
            result = State::OtherCopyRunning;
            break;
        case Take::AlreadyHeld:
        case Take::Unusable:
        case Take::Again:
            break;
        }
    }
    if (result == State::OtherCopyRunning) {
        release();
    }
    return state_ = result;
}

void InstanceGuard::release() {
    for (const std::intptr_t fd : handles_) {
        ::close(static_cast<int>(fd));
    }
    handles_.clear();
}

}  // namespace kivo::platform
