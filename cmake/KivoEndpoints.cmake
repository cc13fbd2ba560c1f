# The web addresses the program opens. A branded edition sets these cache
# variables at configure time; no source file holds an address of its own.
set(KIVO_MAKER_SITE "https://www.arvella.example"
    CACHE STRING "Maker's main web site: home page and discussion forum (no trailing slash)")
set(KIVO_HELP_SITE "https://help.arvella.example"
    CACHE STRING "Maker's help site: donations and branded editions (no trailing slash)")
set(KIVO_PRODUCT_SITE "https://www.kivolove.example"
    CACHE STRING "The program's own web site: help and download pages (no trailing slash)")

foreach(_endpoint KIVO_MAKER_SITE KIVO_HELP_SITE KIVO_PRODUCT_SITE)
    if(NOT ${_endpoint} MATCHES "^https://[^/?#]+$")
        message(FATAL_ERROR "${_endpoint} must be an https address of a site root without a trailing slash, got '${${_endpoint}}'")
    endif()
endforeach()

configure_file(${CMAKE_CURRENT_LIST_DIR}/kivo_endpoints.h.in
               ${CMAKE_BINARY_DIR}/generated/kivo_endpoints.h @ONLY)

# What links this reads the addresses as #include "kivo_endpoints.h".
add_library(kivo_endpoints INTERFACE)
target_include_directories(kivo_endpoints INTERFACE ${CMAKE_BINARY_DIR}/generated)
