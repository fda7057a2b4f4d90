#include "ModelParameterId.h"

namespace
{
struct ModelParameterInfo
{
    const char* name;
    float defaultValue;
};

constexpr ModelParameterInfo modelParameters[modelParameterCount] = {
    {"Bypass", 1.0f}, {"Rate", 0.5f},  {"RateSync", 0.5f}, {"DepthType", 0.5f}, {"Feedback", 0.5f},
    {"Mix", 0.5f},    {"Level", 0.5f}, {"StereoOn", 1.0f}, {"SyncOn", 0.0f},
};

bool isModelParameter(int index)
{
    return static_cast<unsigned>(index) < static_cast<unsigned>(modelParameterCount);
}
} // namespace

const char* modelParameterName(int index)
{
    return isModelParameter(index) ? modelParameters[index].name : "";
}

float modelParameterDefault(int index)
{
    return isModelParameter(index) ? modelParameters[index].defaultValue : 0.0f;
}
