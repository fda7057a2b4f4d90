#pragma once

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameterManager.h"
#include "AAX_IEffectParameters.h"

#include <memory>
#include <set>
#include <string>

class AAX_IController;
class AAX_ITransport;
class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

// Identifier of the master-bypass parameter, which is never stored in the parameter chunk.
constexpr const char* cDefaultMasterBypassID = "MasterBypassID";
// Identifier of the parameter the host's preview notification switches.
constexpr const char* cPreviewID = "PreviewID";
// The parameter chunk, its one index and its name.
constexpr AAX_CTypeID cControlsChunkID = 0x656C636B; // 'elck'
constexpr const char* CONTROLS_CHUNK_DESCRIPTION = "Complete Controls State";
// The host's notification that preview starts or stops: one 32-bit word, non-zero for on.
constexpr AAX_CTypeID cPreviewNotification = 0x41535076; // 'ASPv'

// The data model the host creates for an instance of the effect. It owns the parameters, the
// packets and the chunk parser, and from Initialize to Uninitialize the proxies for the host's
// controller, transport and automation. A derived class creates its parameters and packets in
// EffectInit; every operation by identifier answers AAX_ERROR_INVALID_PARAMETER_ID for an
// identifier no parameter has, and a missing output answers AAX_ERROR_NULL_OBJECT (a missing
// string AAX_ERROR_INVALID_STRING_CONVERSION). No exception leaves an operation the host calls.
class AAX_CEffectParameters : public AAX_IEffectParameters
{
public:
    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_Result Initialize(IACFUnknown* controller) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;

    AAX_Result GetNumberOfParameters(int32_t* outNumParameters) const override;
    AAX_Result GetMasterBypassParameter(AAX_IString* outIdentifier) const override;
    AAX_Result GetParameterIsAutomatable(AAX_CParamID identifier,
                                         AAX_CBoolean* outAutomatable) const override;
    AAX_Result GetParameterNumberOfSteps(AAX_CParamID identifier,
                                         int32_t* outNumSteps) const override;
    AAX_Result GetParameterName(AAX_CParamID identifier, AAX_IString* outName) const override;
    AAX_Result GetParameterNameOfLength(AAX_CParamID identifier, AAX_IString* outName,
                                        int32_t maxLength) const override;
    AAX_Result GetParameterDefaultNormalizedValue(AAX_CParamID identifier,
                                                  double* outValue) const override;
    AAX_Result SetParameterDefaultNormalizedValue(AAX_CParamID identifier, double value) override;
    AAX_Result GetParameterType(AAX_CParamID identifier,
                                AAX_EParameterType* outType) const override;
    AAX_Result GetParameterOrientation(AAX_CParamID identifier,
                                       AAX_EParameterOrientation* outOrientation) const override;
    AAX_Result GetParameter(AAX_CParamID identifier, AAX_IParameter** outParameter) override;
    AAX_Result GetParameterIndex(AAX_CParamID identifier, int32_t* outIndex) const override;
    AAX_Result GetParameterIDFromIndex(int32_t index, AAX_IString* outIdentifier) const override;
    AAX_Result GetParameterValueInfo(AAX_CParamID identifier, int32_t selector,
                                     int32_t* outValueInfo) const override;
    AAX_Result GetParameterValueFromString(AAX_CParamID identifier, double* outValue,
                                           const AAX_IString& valueString) const override;
    AAX_Result GetParameterStringFromValue(AAX_CParamID identifier, double value,
                                           AAX_IString* outValueString,
                                           int32_t maxLength) const override;
    AAX_Result GetParameterValueString(AAX_CParamID identifier, AAX_IString* outValueString,
                                       int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue(AAX_CParamID identifier,
                                           double* outValue) const override;
    AAX_Result SetParameterNormalizedValue(AAX_CParamID identifier, double value) override;
    AAX_Result SetParameterNormalizedRelative(AAX_CParamID identifier, double delta) override;

    AAX_Result TouchParameter(AAX_CParamID identifier) override;
    AAX_Result ReleaseParameter(AAX_CParamID identifier) override;
    AAX_Result UpdateParameterTouch(AAX_CParamID identifier, AAX_CBoolean touched) override;
    AAX_Result UpdateParameterNormalizedValue(AAX_CParamID identifier, double value,
                                              AAX_EUpdateSource source) override;
    AAX_Result UpdateParameterNormalizedRelative(AAX_CParamID identifier, double delta) override;
    AAX_Result GenerateCoefficients() override;

    AAX_Result ResetFieldData(AAX_CFieldIndex fieldIndex, void* data, uint32_t size) override;

    AAX_Result GetNumberOfChunks(int32_t* outNumChunks) const override;
    AAX_Result GetChunkIDFromIndex(int32_t index, AAX_CTypeID* outChunkID) const override;
    AAX_Result GetChunkSize(AAX_CTypeID chunkID, uint32_t* outSize) override;
    AAX_Result GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk) override;
    AAX_Result SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk(const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) override;
    AAX_Result GetNumberOfChanges(int32_t* outNumChanges) const override;

    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData(AAX_CTypeID curveType, const float* values, uint32_t numValues,
                            float* outValues) const override;
    AAX_Result GetCustomData(AAX_CTypeID dataBlockID, uint32_t size, void* outData,
                             uint32_t* outSize) const override;
    AAX_Result SetCustomData(AAX_CTypeID dataBlockID, uint32_t size, const void* data) override;
    AAX_Result DoMIDITransfers() override;

    AAX_Result RenderAudio_Hybrid(AAX_SHybridRenderInfo* renderInfo) override;
    AAX_Result UpdateMIDINodes(AAX_CFieldIndex fieldIndex, AAX_CMidiPacket& packet) override;
    AAX_Result UpdateControlMIDINodes(AAX_CTypeID nodeID, AAX_CMidiPacket& packet) override;
    AAX_Result GetCurveDataMeterIds(AAX_CTypeID curveType, uint32_t* outXMeterID,
                                    uint32_t* outYMeterID) const override;
    AAX_Result GetCurveDataDisplayRange(AAX_CTypeID curveType, float* outXMin, float* outXMax,
                                        float* outYMin, float* outYMax) const override;

    // The host's controller and transport; null before Initialize and after Uninitialize.
    AAX_IController* Controller();
    const AAX_IController* Controller() const;
    AAX_ITransport* Transport();
    const AAX_ITransport* Transport() const;

    // Keeps the parameter of this identifier out of the chunk (saving, restoring, comparing).
    void FilterParameterIDOnSave(AAX_CParamID identifier);
    // Fills the chunk parser with the value of every parameter that is not filtered.
    void BuildChunkData();

protected:
    // Creates the parameters and packets; called by Initialize once the proxies exist.
    virtual AAX_Result EffectInit();

private:
    const AAX_IParameter* FindParameter(AAX_CParamID identifier) const;
    AAX_IParameter* FindParameter(AAX_CParamID identifier);
    // Writes read(parameter) to out, for the parameter of the identifier.
    template <typename Value, typename Read>
    AAX_Result ReadParameter(AAX_CParamID identifier, Value* out, Read&& read) const;
    // Applies change to the parameter of the identifier.
    template <typename Change> AAX_Result ChangeParameter(AAX_CParamID identifier, Change&& change);
    bool IsFiltered(AAX_CParamID identifier) const;
    // Calls visit(parameter) for every parameter the chunk holds, in index order, until it
    // answers false.
    template <typename Visit> void ForEachChunkParameter(Visit&& visit);
    void ReleaseHostObjects();

    // Counted without sign, so that it wraps instead of overflowing; a count past the largest
    // signed value is not reported.
    uint32_t mNumPlugInChanges = 0;
    // The size GetChunkSize last reported for the parameter chunk; 0 before.
    int32_t mChunkSize = 0;
    AAX_CChunkDataParser mChunkParser;

protected:
    AAX_CPacketDispatcher mPacketDispatcher;
    AAX_CParameterManager mParameterManager;

private:
    std::set<std::string> mFilteredParameters;
    std::unique_ptr<AAX_VController> mController;
    std::unique_ptr<AAX_VTransport> mTransport;
    std::unique_ptr<AAX_VAutomationDelegate> mAutomationDelegate;
};
