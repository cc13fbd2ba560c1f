// What the guard is on every system; the lock itself is in
// InstanceGuard_posix.cpp or InstanceGuard_win.cpp, whichever is built.

#include "app/platform/InstanceGuard.h"

#include <utility>

namespace kivo::platform {

InstanceGuard::InstanceGuard(InstanceGuardPlaces places) : places_(std::move(places)) {}

InstanceGuard::~InstanceGuard() { release(); }

}  // namespace kivo::platform
