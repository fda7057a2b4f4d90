# Compiles JUCE modules once into static libraries that every plug-in, test, tool and
# benchmark links, instead of letting each target compile the modules' sources again.
#
# JUCE's module targets are interface libraries that carry their .cpp files as interface
# sources and pull in the modules they depend on. Linking them into several targets would
# compile juce_core in each of them, so this reads each module's own sources, definitions,
# include folders and libraries, and leaves the module-to-module links out: a library built
# here names the library of the modules below it instead.

set(STOMPIX_JUCE_MODULE_NAMES
    juce_core juce_events juce_data_structures juce_graphics juce_gui_basics juce_gui_extra
    juce_audio_basics juce_audio_processors juce_audio_formats juce_audio_plugin_client)

# Settings every JUCE translation unit of the project is compiled with, ours included.
set(STOMPIX_JUCE_CONFIG
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_FORCE_USE_LEGACY_PARAM_IDS=1
    JUCE_VST3_CAN_REPLACE_VST2=0
    JUCE_PLUGINHOST_VST3=1
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_USE_MP3AUDIOFORMAT=0
    JUCE_USE_LAME_AUDIO_FORMAT=0
    JUCE_USE_WINDOWS_MEDIA_FORMAT=0
    JUCE_SILENCE_XCODE_15_LINKER_WARNING=1)

function(stompix_add_juce_library target)
    cmake_parse_arguments(ARG "" "" "MODULES;DEPENDS" ${ARGN})
    add_library(${target} STATIC)
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)

    foreach(module IN LISTS ARG_MODULES)
        get_target_property(sources juce::${module} INTERFACE_SOURCES)
        if(sources)
            target_sources(${target} PRIVATE ${sources})
        endif()
        get_target_property(definitions juce::${module} INTERFACE_COMPILE_DEFINITIONS)
        target_compile_definitions(${target} PUBLIC ${definitions})
        get_target_property(includes juce::${module} INTERFACE_INCLUDE_DIRECTORIES)
        target_include_directories(${target} PUBLIC ${includes})
        get_target_property(libraries juce::${module} INTERFACE_LINK_LIBRARIES)
        foreach(library IN LISTS libraries)
            string(REGEX REPLACE "^juce::" "" bare "${library}")
            if(NOT bare IN_LIST STOMPIX_JUCE_MODULE_NAMES)
                target_link_libraries(${target} PUBLIC ${library})
            endif()
        endforeach()
    endforeach()

    target_compile_definitions(${target} PUBLIC ${STOMPIX_JUCE_CONFIG})
    target_compile_features(${target} PUBLIC cxx_std_17)
    if(ARG_DEPENDS)
        target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
    endif()
endfunction()
