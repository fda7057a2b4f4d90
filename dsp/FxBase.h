#pragma once

#include "FxModuleBase.h"

#include <memory>

// A whole effect: a parameter store, a tempo and block processing in place.
class FxBase : public FxModuleBase
{
public:
    FxBase();
    ~FxBase() override;

    FxBase(const FxBase&) = delete;
    FxBase& operator=(const FxBase&) = delete;

    virtual void process(float* buffer, int count) = 0;
    virtual void process(float* left, float* right, int count) = 0;
    virtual void setParameter(int index, float value) = 0;
    virtual void calcParameter(int index) = 0;
    virtual float getDefaultParameter(int index) const = 0;
    virtual float getParameter(int index) const;
    virtual float* getAllParameters() const;
    virtual const char* getParameterName(int index) const = 0;
    virtual int getParameterNum() const;
    virtual void setExpectedSampleFrame(int frames);
    virtual int getExpectedSampleFrame() const;
    // Stores the tempo only; whoever depends on it picks it up when it next runs.
    virtual void setBpm(float newBpm);
    virtual float getBpm() const;
    // Recomputes everything from the stored values, without fades or ramps.
    virtual void forceCalcParams() = 0;

protected:
    std::unique_ptr<float[]> parameters;
    int parameterNum = 0;
    int expectedSampleFrame = 0;
    float bpm = 120.0f;
    float lastSyncBpm = -1.0f;
};
