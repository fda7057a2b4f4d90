#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

// A new processor that knows it is loaded as an AAX plug-in.
std::unique_ptr<juce::AudioProcessor> CreateAaxProcessor();
