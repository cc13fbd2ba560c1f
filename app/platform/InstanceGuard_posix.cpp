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

enum class Take { Held, AlreadyHeld, Busy, Unusable };

bool sameFile(const struct stat& file, int other) {
    struct stat st {};
    return ::fstat(other, &st) == 0 && st.st_dev == file.st_dev && st.st_ino == file.st_ino;
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

// Puts a fresh lock file that only the user can open in the place of `old`,
// one that others could open or hold: they may hold a lock on it for as
// long as they like. The fresh file is made under a name of its own and
// renamed into place, so the lock's name never stands empty; another copy
// of ours replacing the same old file at the same moment finds it gone and
// leaves the first copy's file be.
bool replaceWithPrivate(int folder, const struct stat& old, const std::function<void()>& beforeReplacing) {
    const std::string fresh = std::string(kLockName) + "." + std::to_string(::getpid());
    ::unlinkat(folder, fresh.c_str(), 0);
    const Descriptor file(::openat(folder, fresh.c_str(),
                                   O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                                   S_IRUSR | S_IWUSR));
    if (file.get() < 0) {
        return false;
    }
    struct stat now {};
    if (::fstatat(folder, kLockName, &now, AT_SYMLINK_NOFOLLOW) != 0 || now.st_dev != old.st_dev ||
        now.st_ino != old.st_ino) {
        ::unlinkat(folder, fresh.c_str(), 0);
        return true;  // replaced already
    }
    if (beforeReplacing) {
        beforeReplacing();
    }
    if (::fchmod(file.get(), S_IRUSR | S_IWUSR) != 0 ||
        ::renameat(folder, fresh.c_str(), folder, kLockName) != 0) {
        ::unlinkat(folder, fresh.c_str(), 0);
        return false;
    }
    return true;
}

// Locks our lock file in `folder`. Anything in its place that is not a
// regular file of the user's (a folder, a link, a FIFO, a device) is left
// alone, not even opened: a FIFO would block and a device may act on open.
// A file that others may open, or that another user holds, does not count:
// it is replaced. The file's content is never read; it is only a thing to
// lock. A file this process holds already (both places are one, through a
// link the user made) is not locked twice: the second lock would wait for
// the first.
Take takeLockIn(int folder, uid_t uid, const std::vector<std::intptr_t>& held,
                const std::function<void()>& beforeReplacing, int& lock) {
    // Twice at most: once more after putting a fresh file in place.
    for (int attempt = 0; attempt < 2; ++attempt) {
        struct stat st {};
        if (::fstatat(folder, kLockName, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            !(S_ISREG(st.st_mode) && st.st_uid == uid)) {
            return Take::Unusable;
        }
        // Close-on-exec: a browser the program starts must not inherit the
        // lock and keep it after the program has ended.
        Descriptor file(::openat(folder, kLockName,
                                 O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                                 S_IRUSR | S_IWUSR));
        if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != uid) {
            return Take::Unusable;
        }
        for (const std::intptr_t other : held) {
            if (sameFile(st, static_cast<int>(other))) {
                return Take::AlreadyHeld;
            }
        }
        if (othersMayOpen(st)) {
            if (!replaceWithPrivate(folder, st, beforeReplacing)) {
                return Take::Unusable;
            }
            continue;
        }
        if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0) {
            lock = file.release();
            return Take::Held;
        }
        if (errno != EWOULDBLOCK) {
            return Take::Unusable;
        }
        if (!heldByAnotherUser(st, uid)) {
            return Take::Busy;
        }
        if (!replaceWithPrivate(folder, st, beforeReplacing)) {
            return Take::Unusable;
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
