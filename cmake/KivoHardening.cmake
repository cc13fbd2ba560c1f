# The hardening Debian builds its packages with, for every target of the
# project: the release, bench, test and Windows builds. Not under the
# sanitizers, which bring their own checks and clash with these.
# scripts/check-package.sh (hardening-check, readelf) fails when one is lost
# from the packaged program, tests/wine/package_test.py on Windows.
if(KIVO_SANITIZERS)
    return()
endif()

if(MSVC)
    # MSVC has canaries (/GS), dynamic base and NX by default; Control Flow
    # Guard and the CET shadow-stack mark it gives on request.
    add_compile_options(/guard:cf)
    add_link_options(/guard:cf /CETCOMPAT)
    return()
endif()

# Buffer and stack checks: canaries in functions with arrays or addresses of
# locals, and the checked variants of memcpy, strcpy and the like where the
# size is known. _FORTIFY_SOURCE needs the optimiser (and warns without it).
add_compile_options(-fstack-protector-strong)
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)

if(MINGW)
    # mingw-w64 has the canary and the checked functions in GCC's libssp,
    # which the compiler links when it sees the flag: libssp-0.dll ships with
    # the program (cmake/KivoWindowsDeploy.cmake). The image flags are
    # binutils' defaults today; asking for them keeps them with an older one.
    # Large frames are probed on Windows anyway (___chkstk_ms); GCC has no
    # Control Flow Guard, and Windows has no use for -fcf-protection's IBT.
    add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--high-entropy-va,--nxcompat)
    return()
endif()

# Stack probing, so a large frame cannot jump over the guard page; indirect
# branch tracking and shadow stack marks (IBT, SHSTK).
add_compile_options(-fstack-clash-protection -fcf-protection)
# Relocations read-only and bound at start-up; a position-independent
# program, so it loads at a random address.
add_link_options(-Wl,-z,relro,-z,now)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
# The installed program finds Qt where the system keeps it. The search path
# qt_standard_project_setup() adds ($ORIGIN:$ORIGIN/../lib) is for programs
# that carry their own libraries; a packaged one must not have it.
set(CMAKE_SKIP_INSTALL_RPATH ON)
