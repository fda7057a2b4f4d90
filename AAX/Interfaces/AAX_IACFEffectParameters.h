#pragma once

#include "AAX.h"
#include "AAX_Enums.h"
#include "ACF/acfunknown.h"

class AAX_IParameter;
class AAX_IString;

// The plug-in's data model as the host calls it, by position: set-up, parameters by
// identifier, host updates, coefficients, chunks, custom data and MIDI. The getters change
// nothing the host can see.
class AAX_IACFEffectParameters : public IACFUnknown
{
public:
    // Set-up with the host's unknown for this instance (controller, transport, automation).
    virtual AAX_Result Initialize(IACFUnknown* controller) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) = 0;

    // Parameters.
    virtual AAX_Result GetNumberOfParameters(int32_t* outNumParameters) const = 0;
    virtual AAX_Result GetMasterBypassParameter(AAX_IString* outIdentifier) const = 0;
    virtual AAX_Result GetParameterIsAutomatable(AAX_CParamID identifier,
                                                 AAX_CBoolean* outAutomatable) const = 0;
    virtual AAX_Result GetParameterNumberOfSteps(AAX_CParamID identifier,
                                                 int32_t* outNumSteps) const = 0;
    virtual AAX_Result GetParameterName(AAX_CParamID identifier, AAX_IString* outName) const = 0;
    virtual AAX_Result GetParameterNameOfLength(AAX_CParamID identifier, AAX_IString* outName,
                                                int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID identifier,
                                                          double* outValue) const = 0;
    virtual AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID identifier,
                                                          double value) = 0;
    virtual AAX_Result GetParameterType(AAX_CParamID identifier,
                                        AAX_EParameterType* outType) const = 0;
    virtual AAX_Result GetParameterOrientation(AAX_CParamID identifier,
                                               AAX_EParameterOrientation* outOrientation) const = 0;
    virtual AAX_Result GetParameter(AAX_CParamID identifier, AAX_IParameter** outParameter) = 0;
    virtual AAX_Result GetParameterIndex(AAX_CParamID identifier, int32_t* outIndex) const = 0;
    virtual AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* outIdentifier) const = 0;
    virtual AAX_Result GetParameterValueInfo(AAX_CParamID identifier, int32_t selector,
                                             int32_t* outValueInfo) const = 0;
    virtual AAX_Result GetParameterValueFromString(AAX_CParamID identifier, double* outValue,
                                                   const AAX_IString& valueString) const = 0;
    virtual AAX_Result GetParameterStringFromValue(AAX_CParamID identifier, double value,
                                                   AAX_IString* outValueString,
                                                   int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterValueString(AAX_CParamID identifier, AAX_IString* outValueString,
                                               int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterNormalizedValue(AAX_CParamID identifier,
                                                   double* outValue) const = 0;
    virtual AAX_Result SetParameterNormalizedValue(AAX_CParamID identifier, double value) = 0;
    virtual AAX_Result SetParameterNormalizedRelative(AAX_CParamID identifier, double delta) = 0;

    // Automation: touch and release, and the host's updates.
    virtual AAX_Result TouchParameter(AAX_CParamID identifier) = 0;
    virtual AAX_Result ReleaseParameter(AAX_CParamID identifier) = 0;
    virtual AAX_Result UpdateParameterTouch(AAX_CParamID identifier, AAX_CBoolean touched) = 0;
    virtual AAX_Result UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                                      AAX_EUpdateSource source) = 0;
    virtual AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID identifier, double delta) = 0;
    virtual AAX_Result GenerateCoefficients() = 0;

    // The initial contents of a private-data field of the process callback's context.
    virtual AAX_Result ResetFieldData(AAX_CFieldIndex fieldIndex, void* data, uint32_t size) = 0;

    // State chunks.
    virtual AAX_Result GetNumberOfChunks(int32_t* outNumChunks) const = 0;
    virtual AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* outChunkID) const = 0;
    virtual AAX_Result GetChunkSize(AAX_CTypeID chunkID, uint32_t* outSize) = 0;
    virtual AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) = 0;
    virtual AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) = 0;
    virtual AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk,
                                          AAX_CBoolean* outIsEqual) = 0;
    virtual AAX_Result GetNumberOfChanges(int32_t* outNumChanges) const = 0;

    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, uint32_t numValues,
                                    float* outValues) const = 0;
    virtual AAX_Result GetCustomData(AAX_CTypeID dataBlockID, uint32_t size, void* outData,
                                     uint32_t* outSize) const = 0;
    virtual AAX_Result SetCustomData(AAX_CTypeID dataBlockID, uint32_t size, const void* data) = 0;
    virtual AAX_Result DoMIDITransfers() = 0;

protected:
    ~AAX_IACFEffectParameters() = default;
};

// Version 2: hybrid rendering, MIDI nodes and the meters of a curve.
class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters
{
public:
    virtual AAX_Result RenderAudio_Hybrid(AAX_SHybridRenderInfo* renderInfo) = 0;
    virtual AAX_Result UpdateMIDINodes(AAX_CFieldIndex fieldIndex, AAX_CMidiPacket& packet) = 0;
    virtual AAX_Result UpdateControlMIDINodes(AAX_CTypeID nodeID, AAX_CMidiPacket& packet) = 0;
    virtual AAX_Result GetCurveDataMeterIds(AAX_CTypeID curveType, uint32_t* outXMeterID,
                                            uint32_t* outYMeterID) const = 0;

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

// Version 3: the display range of a curve.
class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2
{
public:
    virtual AAX_Result GetCurveDataDisplayRange(AAX_CTypeID curveType, float* outXMin,
                                                float* outXMax, float* outYMin,
                                                float* outYMax) const = 0;

protected:
    ~AAX_IACFEffectParameters_V3() = default;
};
