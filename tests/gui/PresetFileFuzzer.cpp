// libFuzzer target: any bytes as a preset file. They are read as the processor reads a preset
// file and a whole state (through the guarded XML reader) and compared with the current values,
// and then read and compared again through the preset menu, from a file in its preset folder.
// The processor must neither crash nor leave anything out of range.

#include "GuardedXml.h"
#include "StompixZR7714AudioProcessor.h"
#include "VelmorPresetMenu.h"

#include <FuzzTarget.h>
#include <PendingMessages.h>
#include <ProcessorInvariants.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
using fuzztarget::check;
using fuzztarget::checkProcessorInvariants;

// A preset folder of this process's own (made at once under a name no other process has),
// removed when the fuzzer ends.
class PresetFolder
{
public:
    PresetFolder() : folder(makeUniqueFolder()) {}

    ~PresetFolder() { folder.deleteRecursively(); }

    PresetFolder(const PresetFolder&) = delete;
    PresetFolder& operator=(const PresetFolder&) = delete;

    const juce::File folder;

private:
    static juce::File makeUniqueFolder()
    {
        auto pattern = juce::File::getSpecialLocation(juce::File::tempDirectory)
                           .getChildFile("stompix-preset-fuzz-XXXXXX")
                           .getFullPathName()
                           .toStdString();
        check(::mkdtemp(pattern.data()) != nullptr);
        return juce::File(pattern);
    }
};

const char* const fileName = "Fuzzed.vzrp";
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzztarget::runHeadless();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto* const framework = new juce::ScopedJuceInitialiser_GUI();
    static const PresetFolder presets;
    juce::ignoreUnused(framework);

    const auto file = presets.folder.getChildFile(fileName);
    check(file.replaceWithData(data, size));

    StompixZR7714AudioProcessor processor;
    processor.readPreset(GuardedXml::parse(file), true);
    checkProcessorInvariants(processor);
    processor.readPreset(GuardedXml::parse(file), false);
    checkProcessorInvariants(processor);
    processor.comparePreset(GuardedXml::parse(file));

    VelmorPresetMenu menu("presetMenu_");
    menu.setDirectoryPath(presets.folder.getFullPathName());
    menu.setFileExtension("*.vzrp");
    menu.setSelectedFilePath(fileName);
    menu.readPreset(&processor, fileName);
    checkProcessorInvariants(processor);
    menu.compareAndMarkPreset(&processor);
    // Delivered as a host's message loop would between two calls: left in the queue, the
    // messages of one input after another would pile up.
    testsupport::dispatchPendingMessages();
    return 0;
}
