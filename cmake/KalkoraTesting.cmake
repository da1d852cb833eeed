# SPDX-License-Identifier: GPL-3.0-or-later
# Every test runs with the offscreen platform and the C locale, so neither a
# display nor the user's language can change what it sees.
set(KALKORA_TEST_ENVIRONMENT QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C)

# kalkora_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>]
#                  [FUNCTIONS <test functions...>] [TIMEOUT <s>])
#
# One test executable per unit, registered with CTest; with FUNCTIONS, only
# those test functions run under its name.
function(kalkora_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;FUNCTIONS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name} ${T_FUNCTIONS})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${KALKORA_TEST_ENVIRONMENT}"
                         TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
endfunction()
