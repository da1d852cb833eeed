# SPDX-License-Identifier: GPL-3.0-or-later
# Every test runs with the offscreen platform and the C locale, so neither a
# display nor the user's language can change what it sees.
set(KALKORA_TEST_ENVIRONMENT QT_QPA_PLATFORM=offscreen LC_ALL=C LANG=C)

# kalkora_add_test(<name> SOURCES <files...> LIBS <targets...> LABELS <labels...>)
#
# One test executable per unit, registered with CTest, with the tests'
# shared support.
function(kalkora_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test kalkora_test_support ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${KALKORA_TEST_ENVIRONMENT}" TIMEOUT 300
                         LABELS "${T_LABELS}")
endfunction()
