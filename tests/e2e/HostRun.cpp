#include "HostRun.h"

juce::File pluginBundle()
{
    return juce::File(STOMPIX_VST3_BINARY_DIR).getParentDirectory().getParentDirectory();
}

HostRun runHost(const juce::StringArray& options, const juce::StringArray& launcher)
{
    juce::StringArray command(launcher);
    command.addArray({STOMPIX_HOST_PATH, pluginBundle().getFullPathName()});
    command.addArray(options);

    juce::ChildProcess process;
    HostRun run;

    if (!process.start(command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
        return run;

    run.output = process.readAllProcessOutput();
    process.waitForProcessToFinish(60000);
    run.exitCode = (int)process.getExitCode();
    return run;
}
