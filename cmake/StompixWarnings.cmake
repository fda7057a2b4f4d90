# The warning flags every target of our own is compiled with. JUCE's recommended set, kept
# clean: a warning in our code is treated as a fault to mend, not noise.
add_library(stompix_warnings INTERFACE)
target_link_libraries(stompix_warnings INTERFACE juce::juce_recommended_warning_flags)
if(STOMPIX_WERROR)
    target_compile_options(stompix_warnings INTERFACE -Werror)
endif()
