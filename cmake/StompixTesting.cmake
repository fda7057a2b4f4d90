# stompix_add_test(name SOURCES ... LIBRARIES ... [ENVIRONMENT ...] [LABELS ...] [TIMEOUT s]
#                  [OWN_DISPLAY])
# One GoogleTest binary per layer; each binary is one ctest test.
#
# Tests run headless unless they say OWN_DISPLAY: JUCE connects to ":0.0" when DISPLAY is unset,
# and on a machine where some other job runs a bare X server there, every popup or window of a
# headless suite would go to that server. A display name that cannot exist keeps them off it.
function(stompix_add_test name)
    cmake_parse_arguments(ARG "OWN_DISPLAY" "TIMEOUT" "SOURCES;LIBRARIES;ENVIRONMENT;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock GTest::gtest_main stompix_warnings)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 600)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    set(environment ${ARG_ENVIRONMENT})
    if(NOT ARG_OWN_DISPLAY)
        list(APPEND environment "DISPLAY=:no-display-for-headless-tests")
    endif()
    if(environment)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
    endif()
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()
