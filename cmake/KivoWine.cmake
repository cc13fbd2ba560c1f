# The cross-built Windows programs run under Wine: ctest starts each Windows
# test program through <build>/wine-run.sh (see cmake/wine-run.sh.in), which
# CMake uses as the emulator of every executable target.
find_program(KIVO_WINE64 NAMES wine64 PATHS /usr/lib/wine DOC "Wine, to run the Windows tests")
if(NOT KIVO_WINE64)
    set(KIVO_WINE64 /usr/lib/wine/wine64)
    message(STATUS "Wine not found: the Windows tests will report themselves skipped")
endif()
set(KIVO_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(KIVO_FAKE_BROWSER ${PROJECT_SOURCE_DIR}/tests/wine/fake-browser.sh)

# Where the DLLs the programs need lie: the Qt kit's, and the compiler's
# run-time libraries, as Windows paths on Wine's drive Z:.
get_target_property(_kivo_qtcore Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(_kivo_qt_bin ${_kivo_qtcore} DIRECTORY)
set(_kivo_dll_dirs ${_kivo_qt_bin})
foreach(_dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
                    OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(_path ${_path} REALPATH)
    get_filename_component(_dir ${_path} DIRECTORY)
    list(APPEND _kivo_dll_dirs ${_dir})
endforeach()
set(KIVO_WINE_PATH "")
foreach(_dir IN LISTS _kivo_dll_dirs)
    string(REPLACE "/" "\\" _dir "Z:${_dir}")
    string(APPEND KIVO_WINE_PATH "${_dir};")
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
