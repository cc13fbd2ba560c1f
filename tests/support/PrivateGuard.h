#pragma once
// The real platform with the single-instance guard's locks in the folder that
// KIVO_TEST_INSTANCE_FOLDER names, for whole runs of the program: runs side
// by side, and a copy the user has open, never meet. Only test programs read
// the variable; the program itself always takes the user's own folders.

#include "app/platform/Platform.h"
#include "app/platform/SystemPlatform.h"

#include <cstdlib>
#include <utility>

namespace kivo::testing {

// Installs it for the rest of the process. Without the variable the guard
// is the user's own, as in the program.
inline void installPrivateGuard() {
    platform::InstanceGuardPlaces places;
    if (const char* folder = std::getenv("KIVO_TEST_INSTANCE_FOLDER"); folder != nullptr && *folder != '\0') {
        places.runtimeFolder = folder;
        places.home = folder;
    }
    static platform::SystemPlatform system(std::move(places));
    platform::install(&system);
}

}  // namespace kivo::testing
