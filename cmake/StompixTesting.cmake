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

# stompix_add_fuzzer(name SOURCES ... LIBRARIES ... [MODULE target DEFINITION name])
# A libFuzzer target, built only with STOMPIX_BUILD_FUZZERS (clang): scripts/test.sh builds the
# fuzzers in a build folder of their own, with the sanitizers, and runs each for a bounded time
# on the seeds in the fuzz/ folder beside it. A fuzzer that loads a built plug-in module depends
# on it and gets its path as the compile definition named.
function(stompix_add_fuzzer name)
    if(NOT STOMPIX_BUILD_FUZZERS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "MODULE;DEFINITION" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} stompix_fuzz_support stompix_warnings)
    if(ARG_MODULE)
        add_dependencies(${name} ${ARG_MODULE})
        target_compile_definitions(${name} PRIVATE
            ${ARG_DEFINITION}="$<TARGET_FILE:${ARG_MODULE}>")
    endif()
endfunction()
