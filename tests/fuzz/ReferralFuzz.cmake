# The referral address target needs Qt's URL classes and the launchers'
# addresses, and the window whose form it serves; Qt itself is not instrumented, our code is.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
set(CMAKE_AUTOMOC ON)
include(${KIVO_ROOT}/cmake/KivoEndpoints.cmake)

add_executable(referral_fuzz
    ReferralFuzz.cpp
    ${KIVO_ROOT}/ui/promo/modTellAFriend.cpp
    ${KIVO_ROOT}/ui/promo/frmExitPromo.cpp
    ${KIVO_ROOT}/ui/promo/ClassicFrame.cpp
    ${KIVO_ROOT}/app/EndApplication.cpp
    ${KIVO_ROOT}/app/LinkLabel.cpp
    ${KIVO_ROOT}/app/ClassicLook.cpp
    ${KIVO_ROOT}/app/TextRules.cpp
    ${KIVO_ROOT}/app/modHelp.cpp
    ${KIVO_ROOT}/app/platform/Platform.cpp
    ${KIVO_ROOT}/app/platform/InstanceGuard.cpp
    ${KIVO_ROOT}/app/platform/SystemPlatform.cpp)
target_include_directories(referral_fuzz PRIVATE ${KIVO_ROOT} ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(referral_fuzz PRIVATE Qt6::Widgets)
target_compile_options(referral_fuzz PRIVATE ${_fuzz_flags})
target_link_options(referral_fuzz PRIVATE ${_fuzz_flags})
