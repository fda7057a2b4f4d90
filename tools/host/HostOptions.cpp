#include "HostOptions.h"

namespace
{
bool parseChange(const juce::String& text, ParameterChange& change)
{
    const auto assignment = text.upToFirstOccurrenceOf("@", false, false);
    change.name = assignment.upToFirstOccurrenceOf("=", false, false).trim();
    const auto valueText = assignment.fromFirstOccurrenceOf("=", false, false).trim();

    if (change.name.isEmpty() || valueText.isEmpty() || !assignment.contains("="))
        return false;

    change.value = valueText.getFloatValue();

    if (text.contains("@"))
    {
        const auto timeText = text.fromFirstOccurrenceOf("@", false, false).trim();
        change.atSeconds = timeText.getDoubleValue();

        if (timeText.isEmpty() || change.atSeconds < 0.0)
            return false;
    }

    return true;
}

// A name typed with real key events: only characters that have a key on a US keyboard.
bool isTypeable(const juce::String& name)
{
    for (const auto character : name)
        if (character < 0x20 || character >= 0x7F)
            return false;
    return true;
}

bool parseChannels(const juce::String& text, HostOptions& options)
{
    options.numInputs = text.upToFirstOccurrenceOf(":", false, false).getIntValue();
    options.numOutputs = text.fromFirstOccurrenceOf(":", false, false).getIntValue();
    return text.contains(":") && options.numInputs > 0 && options.numOutputs > 0;
}
} // namespace

bool parseHostOptions(const juce::StringArray& arguments, HostOptions& options, juce::String& error)
{
    for (int i = 0; i < arguments.size(); ++i)
    {
        const auto& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const auto value = hasValue ? arguments[i + 1] : juce::String();
        const auto path = [&value]
        { return juce::File::getCurrentWorkingDirectory().getChildFile(value); };

        const auto needValue = [&]() -> bool
        {
            if (!hasValue)
                error = argument + " needs a value";

            ++i;
            return hasValue;
        };

        if (argument == "--list")
            options.list = true;
        else if (argument == "--in")
        {
            if (!needValue())
                return false;
            options.input = path();
        }
        else if (argument == "--out")
        {
            if (!needValue())
                return false;
            options.output = path();
        }
        else if (argument == "--load-state")
        {
            if (!needValue())
                return false;
            options.loadState = path();
        }
        else if (argument == "--save-state")
        {
            if (!needValue())
                return false;
            options.saveState = path();
        }
        else if (argument == "--editor-snapshot")
        {
            if (!needValue())
                return false;
            options.editorSnapshot = path();
        }
        else if (argument == "--editor-save-as" || argument == "--editor-new-folder")
        {
            if (!needValue())
                return false;
            if (!isTypeable(value))
            {
                error = argument +
                        " takes a name of printable ASCII characters, which have keys "
                        "on a US keyboard, not " +
                        value.quoted();
                return false;
            }
            (argument == "--editor-save-as" ? options.editorSaveAs : options.editorNewFolder) =
                value;
        }
        else if (argument == "--editor-no-field-clicks")
            options.editorClicksIntoFields = false;
        else if (argument == "--editor-click-hold")
        {
            if (!needValue())
                return false;
            options.editorClickHoldMilliseconds = value.getIntValue();
            if (value.isEmpty() || value.length() > 4 || !value.containsOnly("0123456789") ||
                options.editorClickHoldMilliseconds > 5000)
            {
                error =
                    "--editor-click-hold takes milliseconds from 0 to 5000, not " + value.quoted();
                return false;
            }
        }
        else if (argument == "--rate")
        {
            if (!needValue())
                return false;
            options.sampleRate = value.getDoubleValue();
        }
        else if (argument == "--block")
        {
            if (!needValue())
                return false;
            options.blockSize = value.getIntValue();
        }
        else if (argument == "--tempo")
        {
            if (!needValue())
                return false;
            options.tempo = value.getDoubleValue();
        }
        else if (argument == "--seconds")
        {
            if (!needValue())
                return false;
            options.seconds = value.getDoubleValue();
        }
        else if (argument == "--channels")
        {
            if (!needValue())
                return false;

            if (!parseChannels(value, options))
            {
                error = "--channels takes INPUTS:OUTPUTS, for example 1:2";
                return false;
            }
        }
        else if (argument == "--set")
        {
            if (!needValue())
                return false;

            ParameterChange change;

            if (!parseChange(value, change))
            {
                error = "--set takes NAME=VALUE or NAME=VALUE@SECONDS, not " + value.quoted();
                return false;
            }

            options.changes.push_back(change);
        }
        else if (argument.startsWith("--"))
        {
            error = "unknown option " + argument;
            return false;
        }
        else if (options.plugin == juce::File())
        {
            options.plugin = juce::File::getCurrentWorkingDirectory().getChildFile(argument);
        }
        else
        {
            error = "unexpected argument " + argument.quoted();
            return false;
        }
    }

    if (options.plugin == juce::File())
        error = "no plug-in given";
    else if (options.blockSize <= 0)
        error = "--block must be positive";
    else if (options.sampleRate < 0.0)
        error = "--rate must be positive";
    else if (options.seconds <= 0.0)
        error = "--seconds must be positive";

    return error.isEmpty();
}

juce::String getHostUsage()
{
    return "usage: stompix-host PLUGIN.vst3 [options]\n"
           "  --list                     print the parameters (id, name, default, text) and "
           "programs\n"
           "  --load-state FILE          restore the plug-in's state from FILE first\n"
           "  --set NAME=VALUE           set a parameter (normalised 0..1) by name before "
           "rendering\n"
           "  --set NAME=VALUE@SECONDS   ... or at a time in the rendered audio\n"
           "  --out FILE.wav             render into a 32-bit float WAV file\n"
           "  --in FILE.wav              the audio to render (default: a built-in test signal)\n"
           "  --seconds S                length of the test signal (default 4)\n"
           "  --rate HZ                  sample rate (default: the input's, or 48000)\n"
           "  --block N                  block size (default 512)\n"
           "  --tempo BPM                host tempo (default 120)\n"
           "  --channels IN:OUT          bus layout, 2:2, 1:2 or 1:1 (default 2:2)\n"
           "  --save-state FILE          save the plug-in's state to FILE last\n"
           "  --editor-snapshot FILE.png open the editor on the X display, drag the depth knob,\n"
           "                             press the footswitch and open the file menu with real\n"
           "                             mouse events (xdotool), and save a screenshot\n"
           "  --editor-save-as NAME      open the editor on the X display and save a preset\n"
           "                             under NAME, typed with real key events\n"
           "  --editor-new-folder NAME   open the editor on the X display and make a preset\n"
           "                             folder NAME, typed with real key events\n"
           "                             (NAME in printable ASCII, the keys of a US keyboard)\n"
           "  --editor-no-field-clicks   ... typing into each dialog as it comes up, without a\n"
           "                             click into its field first\n"
           "  --editor-click-hold MS     ... holding each click down for MS milliseconds\n";
}
