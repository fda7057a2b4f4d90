# stompix_patch_juce_header(target header expected replacement)
# Compiles a target against a copy of one of the installed framework's headers (given by its
# path below the modules folder) with one exact piece of text replaced. The copy lives in the
# build folder, at the same path below <build>/patched-juce/, which goes in front of the
# installed modules on that target's include path only; the installed file stays as it is.
# Configuring stops when the installed header no longer holds the expected text exactly once
# (another framework version), so that a patch never goes stale silently, and runs again
# whenever the installed header changes.
#
# Only what includes the header by its path below the modules folder sees the copy: the
# framework's own sources that include it relative to themselves keep the installed one.
# The arguments are positional because the texts may hold semicolons.
function(stompix_patch_juce_header target header expected replacement)
    set(installed "${JUCE_MODULES_DIR}/${header}")
    set(patched_root "${CMAKE_BINARY_DIR}/patched-juce")
    set(patched "${patched_root}/${header}")

    if(NOT EXISTS "${installed}")
        message(FATAL_ERROR "Patching the framework: ${installed} is missing.")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${installed}")

    file(READ "${installed}" contents)
    string(REPLACE "${expected}" "" without "${contents}")
    string(LENGTH "${contents}" length)
    string(LENGTH "${without}" lengthWithout)
    string(LENGTH "${expected}" expectedLength)
    math(EXPR occurrences "(${length} - ${lengthWithout}) / ${expectedLength}")

    if(NOT occurrences EQUAL 1)
        message(FATAL_ERROR
            "Patching the framework: ${installed} holds the text the patch expects "
            "${occurrences} times instead of once:\n  ${expected}\n"
            "The installed JUCE is not the version the patch was made for. If it has the "
            "upstream fix already, drop this patch (see README.md, \"Framework patch\"); "
            "otherwise make the patch fit the new text.")
    endif()

    string(REPLACE "${expected}" "${replacement}" contents "${contents}")
    # Written only when it changes, so that configuring again rebuilds nothing. (CMake reads
    # the text with Unix line ends: only the line endings and the patched text differ.)
    file(WRITE "${patched}.new" "${contents}")
    configure_file("${patched}.new" "${patched}" COPYONLY)
    file(REMOVE "${patched}.new")

    target_include_directories(${target} BEFORE PRIVATE "${patched_root}")
endfunction()
