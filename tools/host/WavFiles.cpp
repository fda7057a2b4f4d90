#include "WavFiles.h"

namespace WavFiles
{
bool read(const juce::File& file, juce::AudioBuffer<float>& audio, double& sampleRate,
          juce::String& error)
{
    juce::WavAudioFormat format;
    std::unique_ptr<juce::AudioFormatReader> reader(
        format.createReaderFor(file.createInputStream().release(), true));

    if (reader == nullptr || reader->lengthInSamples > std::numeric_limits<int>::max())
    {
        error = "cannot read " + file.getFullPathName() + " as a WAV file";
        return false;
    }

    audio.setSize((int)reader->numChannels, (int)reader->lengthInSamples);
    reader->read(&audio, 0, audio.getNumSamples(), 0, true, true);
    sampleRate = reader->sampleRate;
    return true;
}

bool write(const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate,
           juce::String& error)
{
    file.deleteFile();
    juce::WavAudioFormat format;
    auto stream = file.createOutputStream();
    std::unique_ptr<juce::AudioFormatWriter> writer;

    if (stream != nullptr)
        writer.reset(format.createWriterFor(stream.get(), sampleRate,
                                            (unsigned int)audio.getNumChannels(), 32, {}, 0));

    if (writer == nullptr)
    {
        error = "cannot write " + file.getFullPathName();
        return false;
    }

    stream.release(); // the writer owns the stream now

    // A WAV writer with 32 bits stores floats when it is given float data.
    if (!writer->writeFromAudioSampleBuffer(audio, 0, audio.getNumSamples()))
    {
        error = "cannot write " + file.getFullPathName();
        return false;
    }

    return true;
}
} // namespace WavFiles
