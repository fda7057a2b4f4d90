#pragma once

// The nine normalised parameters of every phaser model, by index.
enum ModelParameterId : int
{
    modelBypass = 0,
    modelRate,
    modelRateSync,
    modelDepthType,
    modelFeedback,
    modelMix,
    modelLevel,
    modelStereoOn,
    modelSyncOn,
    modelParameterCount
};

// The name of a model parameter, or an empty text for an index outside 0..8.
const char* modelParameterName(int index);

// The default of a model parameter, or 0 for an index outside 0..8.
float modelParameterDefault(int index);
