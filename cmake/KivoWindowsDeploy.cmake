# The Windows program's folder: the program, exactly the Qt libraries and
# plugins it loads, and the compiler's run-time libraries. Explicit rules
# rather than Qt's deployment script: they work the same for a cross build
# from Linux (where Qt has no windeployqt) and for MSVC, with every Qt 6.
# tests/wine/package_test.py checks the result against the program's
# imports, and the installer's test against the DLLs it really loads.

foreach(_module Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${_module}> DESTINATION .)
endforeach()

# Qt looks for plugins in these folders next to the program. The platform
# plugin opens every window; the style plugin draws them the way Windows
# does (Qt's default style there). The pictures are PNG files inside the
# program, which Qt reads without an image-format plugin.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
foreach(_style Qt6::QWindowsVistaStylePlugin Qt6::QModernWindowsStylePlugin)
    if(TARGET ${_style})
        install(FILES $<TARGET_FILE:${_style}> DESTINATION styles)
        break()
    endif()
endforeach()

if(MINGW)
    # The C++ and thread run-times the program and Qt were linked against,
    # and the stack protector's (cmake/KivoHardening.cmake), stripped of
    # their debugging sections (libstdc++ shrinks from 23 MB to 2 MB) into
    # the build folder, and installed from there.
    set(_kivo_runtime_dir ${CMAKE_BINARY_DIR}/mingw-runtime)
    set(_kivo_runtime_dlls "")
    foreach(_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
                        OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${_path}" OR NOT EXISTS "${_path}")
            message(FATAL_ERROR "The compiler does not know where ${_dll} is (got '${_path}')")
        endif()
        get_filename_component(_path ${_path} REALPATH)
        add_custom_command(OUTPUT ${_kivo_runtime_dir}/${_dll}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${_kivo_runtime_dir}
            COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${_kivo_runtime_dir}/${_dll} ${_path}
            DEPENDS ${_path}
            COMMENT "Stripping ${_dll}")
        list(APPEND _kivo_runtime_dlls ${_kivo_runtime_dir}/${_dll})
    endforeach()
    add_custom_target(kivo_mingw_runtime ALL DEPENDS ${_kivo_runtime_dlls})
    install(FILES ${_kivo_runtime_dlls} DESTINATION .)
elseif(MSVC)
    set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
    include(InstallRequiredSystemLibraries)
endif()

# Our licence, and the licences of the libraries above with where their
# source comes from.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/THIRD-PARTY-NOTICES.txt DESTINATION .)
