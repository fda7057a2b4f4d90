#include "AAX_CEffectParameters.h"

#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_GuardedCall.h"
#include "AAX_NarrowReal.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace
{
// Longest shortened name the name chooser looks at.
constexpr std::size_t maxShortenedNameLength = 255;

double Clamped(double value)
{
    if (value > 1.0)
        value = 1.0;
    if (value < 0.0)
        value = 0.0;
    return value;
}

// The pieces of a text split at each newline; a final newline makes no empty last piece.
std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size())
    {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
        {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
} // namespace

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    // A host that skipped Uninitialize leaves the proxies: the parameters go first, as they
    // unregister through the automation proxy.
    ReleaseHostObjects();
}

void AAX_CEffectParameters::ReleaseHostObjects()
{
    mParameterManager.RemoveAllParameters();
    mParameterManager.Initialize(nullptr);
    mPacketDispatcher.Initialize(nullptr, nullptr);
    mController.reset();
    mAutomationDelegate.reset();
    mTransport.reset();
}

AAX_Result AAX_CEffectParameters::Initialize(IACFUnknown* controller)
{
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            // A second initialisation starts from nothing: what the first made is released.
            if (mController != nullptr || mAutomationDelegate != nullptr || mTransport != nullptr)
                ReleaseHostObjects();

            mController = std::make_unique<AAX_VController>(controller);
            mAutomationDelegate = std::make_unique<AAX_VAutomationDelegate>(controller);
            mTransport = std::make_unique<AAX_VTransport>(controller);

            mParameterManager.Initialize(mAutomationDelegate.get());
            mPacketDispatcher.Initialize(mController.get(), this);

            if (const AAX_Result result = EffectInit(); result != AAX_SUCCESS)
                return result;

            AAX_CString bypassID;
            GetMasterBypassParameter(&bypassID);
            FilterParameterIDOnSave(bypassID.Get());
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    ReleaseHostObjects();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::EffectInit()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived(AAX_CTypeID type, const void* data,
                                                       uint32_t size)
{
    if (type != cPreviewNotification || data == nullptr || size < sizeof(int32_t))
        return AAX_SUCCESS;

    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            if (AAX_IParameter* preview = FindParameter(cPreviewID))
            {
                int32_t previewOn = 0;
                std::memcpy(&previewOn, data, sizeof previewOn);
                preview->SetValueWithBool(previewOn != 0);
            }
            return AAX_SUCCESS;
        });
}

const AAX_IParameter* AAX_CEffectParameters::FindParameter(AAX_CParamID identifier) const
{
    return mParameterManager.GetParameterByID(identifier);
}

AAX_IParameter* AAX_CEffectParameters::FindParameter(AAX_CParamID identifier)
{
    return mParameterManager.GetParameterByID(identifier);
}

template <typename Value, typename Read>
AAX_Result AAX_CEffectParameters::ReadParameter(AAX_CParamID identifier, Value* out,
                                                Read&& read) const
{
    if (out == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = FindParameter(identifier);
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    *out = read(*parameter);
    return AAX_SUCCESS;
}

template <typename Change>
AAX_Result AAX_CEffectParameters::ChangeParameter(AAX_CParamID identifier, Change&& change)
{
    AAX_IParameter* parameter = FindParameter(identifier);
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    change(*parameter);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfParameters(int32_t* outNumParameters) const
{
    if (outNumParameters == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outNumParameters = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter(AAX_IString* outIdentifier) const
{
    if (outIdentifier == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            *outIdentifier =
                FindParameter(cDefaultMasterBypassID) != nullptr ? cDefaultMasterBypassID : "";
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable(AAX_CParamID identifier,
                                                            AAX_CBoolean* outAutomatable) const
{
    if (outAutomatable != nullptr)
        *outAutomatable = 0;
    return ReadParameter(identifier, outAutomatable,
                         [](const AAX_IParameter& parameter)
                         { return static_cast<AAX_CBoolean>(parameter.Automatable() ? 1 : 0); });
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps(AAX_CParamID identifier,
                                                            int32_t* outNumSteps) const
{
    if (outNumSteps == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    const AAX_IParameter* parameter = FindParameter(identifier);
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    // The host reads the count as signed: one that does not fit is refused.
    const uint32_t numSteps = parameter->GetNumberOfSteps();
    if (numSteps > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
        return AAX_ERROR_INVALID_PARAMETER_STEPS;
    *outNumSteps = static_cast<int32_t>(numSteps);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterName(AAX_CParamID identifier,
                                                   AAX_IString* outName) const
{
    if (outName == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            const AAX_IParameter* parameter = FindParameter(identifier);
            if (parameter != nullptr)
                *outName = parameter->Name();
            else
                *outName = "";
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::GetParameterNameOfLength(AAX_CParamID identifier,
                                                           AAX_IString* outName,
                                                           int32_t maxLength) const
{
    if (outName == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            const AAX_IParameter* parameter = FindParameter(identifier);
            if (parameter == nullptr)
            {
                *outName = "";
                return AAX_SUCCESS;
            }

            const AAX_CString& shortened = parameter->ShortenedName(maxLength);
            const std::string text(
                shortened.Get(), std::min<std::size_t>(shortened.Length(), maxShortenedNameLength));
            if (text.empty())
                return AAX_SUCCESS;

            // The longest line that fits, the earliest of equal length.
            const std::vector<std::string> lines = LinesOf(text);
            const std::string* chosen = nullptr;
            for (const std::string& line : lines)
            {
                const bool fits = !line.empty() && maxLength >= 0 &&
                                  line.size() <= static_cast<std::size_t>(maxLength);
                if (fits && (chosen == nullptr || line.size() > chosen->size()))
                    chosen = &line;
            }

            if (chosen != nullptr)
                outName->Set(chosen->c_str());
            else if (maxLength < 1)
                outName->Set("");
            else
                outName->Set(text.substr(0, static_cast<std::size_t>(maxLength)).c_str());
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue(AAX_CParamID identifier,
                                                                     double* outValue) const
{
    return ReadParameter(identifier, outValue,
                         [](const AAX_IParameter& parameter)
                         { return parameter.GetNormalizedDefaultValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue(AAX_CParamID identifier,
                                                                     double value)
{
    return ChangeParameter(identifier, [value](AAX_IParameter& parameter)
                           { parameter.SetNormalizedDefaultValue(value); });
}

AAX_Result AAX_CEffectParameters::GetParameterType(AAX_CParamID identifier,
                                                   AAX_EParameterType* outType) const
{
    return ReadParameter(identifier, outType,
                         [](const AAX_IParameter& parameter) { return parameter.GetType(); });
}

AAX_Result
AAX_CEffectParameters::GetParameterOrientation(AAX_CParamID identifier,
                                               AAX_EParameterOrientation* outOrientation) const
{
    return ReadParameter(identifier, outOrientation,
                         [](const AAX_IParameter& parameter)
                         { return parameter.GetOrientation(); });
}

AAX_Result AAX_CEffectParameters::GetParameter(AAX_CParamID identifier,
                                               AAX_IParameter** outParameter)
{
    if (outParameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outParameter = FindParameter(identifier);
    return *outParameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex(AAX_CParamID identifier,
                                                    int32_t* outIndex) const
{
    if (outIndex == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outIndex = mParameterManager.GetParameterIndex(identifier);
    return *outIndex >= 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex(int32_t index,
                                                          AAX_IString* outIdentifier) const
{
    if (outIdentifier == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            const AAX_IParameter* parameter = mParameterManager.GetParameter(index);
            *outIdentifier = parameter != nullptr ? parameter->Identifier() : "";
            return parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
        });
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo(AAX_CParamID, int32_t,
                                                        int32_t* outValueInfo) const
{
    if (outValueInfo != nullptr)
        *outValueInfo = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString(AAX_CParamID identifier,
                                                              double* outValue,
                                                              const AAX_IString& valueString) const
{
    if (outValue == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            const AAX_IParameter* parameter = FindParameter(identifier);
            if (parameter == nullptr)
                return AAX_ERROR_INVALID_PARAMETER_ID;
            double value = 0.0;
            if (!parameter->GetNormalizedValueFromString(AAX_CString(valueString), &value))
                return AAX_ERROR_INVALID_STRING_CONVERSION;
            *outValue = value;
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue(AAX_CParamID identifier, double value,
                                                              AAX_IString* outValueString,
                                                              int32_t maxLength) const
{
    if (outValueString == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            const AAX_IParameter* parameter = FindParameter(identifier);
            if (parameter == nullptr)
                return AAX_ERROR_INVALID_PARAMETER_ID;
            AAX_CString text;
            if (!parameter->GetStringFromNormalizedValue(value, maxLength, text))
                return AAX_ERROR_INVALID_STRING_CONVERSION;
            *outValueString = text;
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::GetParameterValueString(AAX_CParamID identifier,
                                                          AAX_IString* outValueString,
                                                          int32_t maxLength) const
{
    if (outValueString == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            const AAX_IParameter* parameter = FindParameter(identifier);
            if (parameter == nullptr)
                return AAX_ERROR_INVALID_PARAMETER_ID;
            AAX_CString text;
            parameter->GetValueString(maxLength, &text);
            *outValueString = text;
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue(AAX_CParamID identifier,
                                                              double* outValue) const
{
    return ReadParameter(identifier, outValue,
                         [](const AAX_IParameter& parameter)
                         { return parameter.GetNormalizedValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue(AAX_CParamID identifier, double value)
{
    return AAX_GuardedCall(
        [&]
        {
            return ChangeParameter(identifier, [value](AAX_IParameter& parameter)
                                   { parameter.SetNormalizedValue(value); });
        });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative(AAX_CParamID identifier,
                                                                 double delta)
{
    double value = 0.0;
    if (const AAX_Result result = GetParameterNormalizedValue(identifier, &value);
        result != AAX_SUCCESS)
        return result;
    return SetParameterNormalizedValue(identifier, Clamped(value + delta));
}

AAX_Result AAX_CEffectParameters::TouchParameter(AAX_CParamID identifier)
{
    return ChangeParameter(identifier, [](AAX_IParameter& parameter) { parameter.Touch(); });
}

AAX_Result AAX_CEffectParameters::ReleaseParameter(AAX_CParamID identifier)
{
    return ChangeParameter(identifier, [](AAX_IParameter& parameter) { parameter.Release(); });
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch(AAX_CParamID, AAX_CBoolean)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue(AAX_CParamID identifier,
                                                                 double value, AAX_EUpdateSource)
{
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            AAX_IParameter* parameter = FindParameter(identifier);
            if (parameter == nullptr)
                return AAX_ERROR_INVALID_PARAMETER_ID;

            const double before = parameter->GetNormalizedValue();
            parameter->UpdateNormalizedValue(value);
            const AAX_Result result = mPacketDispatcher.SetDirty(identifier, true);
            const double after = parameter->GetNormalizedValue();
            if (!(after == before))
                ++mNumPlugInChanges;
            return result;
        });
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative(AAX_CParamID identifier,
                                                                    double delta)
{
    double value = 0.0;
    if (const AAX_Result result = GetParameterNormalizedValue(identifier, &value);
        result != AAX_SUCCESS)
        return result;
    return UpdateParameterNormalizedValue(identifier, Clamped(value + delta),
                                          AAX_eUpdateSource_Unspecified);
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return AAX_GuardedCall([&] { return mPacketDispatcher.Dispatch(); });
}

AAX_Result AAX_CEffectParameters::ResetFieldData(AAX_CFieldIndex, void* data, uint32_t size)
{
    if (data == nullptr)
        return size == 0 ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
    std::memset(data, 0, size);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks(int32_t* outNumChunks) const
{
    if (outNumChunks == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outNumChunks = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex(int32_t index, AAX_CTypeID* outChunkID) const
{
    if (outChunkID == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (index != 0)
    {
        *outChunkID = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
    *outChunkID = cControlsChunkID;
    return AAX_SUCCESS;
}

bool AAX_CEffectParameters::IsFiltered(AAX_CParamID identifier) const
{
    return identifier != nullptr && mFilteredParameters.count(identifier) != 0;
}

void AAX_CEffectParameters::FilterParameterIDOnSave(AAX_CParamID identifier)
{
    if (identifier != nullptr)
        mFilteredParameters.insert(identifier);
}

template <typename Visit> void AAX_CEffectParameters::ForEachChunkParameter(Visit&& visit)
{
    int32_t numParameters = 0;
    GetNumberOfParameters(&numParameters);
    for (int32_t index = 0; index < numParameters; ++index)
    {
        // A derived class may count more parameters than the manager holds.
        AAX_IParameter* parameter = mParameterManager.GetParameter(index);
        if (parameter == nullptr || IsFiltered(parameter->Identifier()))
            continue;
        if (!visit(*parameter))
            return;
    }
}

void AAX_CEffectParameters::BuildChunkData()
{
    mChunkParser.Clear();
    ForEachChunkParameter(
        [this](const AAX_IParameter& parameter)
        {
            const AAX_CParamID identifier = parameter.Identifier();
            float floatValue = 0.0f;
            int32_t intValue = 0;
            bool boolValue = false;
            double doubleValue = 0.0;
            AAX_CString text;
            if (parameter.GetValueAsFloat(&floatValue))
                mChunkParser.AddDouble(identifier, static_cast<double>(floatValue));
            else if (parameter.GetValueAsInt32(&intValue))
                mChunkParser.AddInt32(identifier, intValue);
            else if (parameter.GetValueAsBool(&boolValue))
                mChunkParser.AddInt32(identifier, boolValue ? 1 : 0);
            else if (parameter.GetValueAsDouble(&doubleValue))
                mChunkParser.AddDouble(identifier, doubleValue);
            else if (parameter.GetValueAsString(&text))
                mChunkParser.AddString(identifier, text);
            return true;
        });
}

AAX_Result AAX_CEffectParameters::GetChunkSize(AAX_CTypeID chunkID, uint32_t* outSize)
{
    if (outSize == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (chunkID != cControlsChunkID)
    {
        *outSize = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            BuildChunkData();
            mChunkSize = mChunkParser.GetChunkDataSize();
            if (mChunkSize < 0)
                return AAX_ERROR_INCORRECT_CHUNK_SIZE;
            *outSize = static_cast<uint32_t>(mChunkSize);
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::GetChunk(AAX_CTypeID chunkID, AAX_SPlugInChunk* outChunk)
{
    if (chunkID != cControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (outChunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            // The host made the chunk as large as the size last reported; data of another size
            // would not fit it.
            BuildChunkData();
            if (mChunkParser.GetChunkDataSize() != mChunkSize || mChunkSize == 0)
                return AAX_ERROR_INCORRECT_CHUNK_SIZE;

            outChunk->fVersion = mChunkParser.GetChunkVersion();
            std::memset(outChunk->fName, 0, sizeof outChunk->fName);
            std::strncpy(outChunk->fName, CONTROLS_CHUNK_DESCRIPTION, sizeof outChunk->fName - 1);
            return mChunkParser.GetChunkData(outChunk);
        });
}

AAX_Result AAX_CEffectParameters::SetChunk(AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk)
{
    if (chunkID != cControlsChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;
    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            mChunkParser.LoadChunk(chunk);
            ForEachChunkParameter(
                [this](AAX_IParameter& parameter)
                {
                    const AAX_CParamID identifier = parameter.Identifier();
                    float floatValue = 0.0f;
                    int32_t intValue = 0;
                    bool boolValue = false;
                    double doubleValue = 0.0;
                    AAX_CString text;
                    if (parameter.GetValueAsFloat(&floatValue))
                    {
                        if (mChunkParser.FindDouble(identifier, &doubleValue))
                            parameter.SetValueWithFloat(AAX_NarrowReal<float>(doubleValue));
                    }
                    else if (parameter.GetValueAsInt32(&intValue))
                    {
                        if (mChunkParser.FindInt32(identifier, &intValue))
                            parameter.SetValueWithInt32(intValue);
                    }
                    else if (parameter.GetValueAsBool(&boolValue))
                    {
                        if (mChunkParser.FindInt32(identifier, &intValue))
                            parameter.SetValueWithBool(intValue != 0);
                    }
                    else if (parameter.GetValueAsDouble(&doubleValue))
                    {
                        if (mChunkParser.FindDouble(identifier, &doubleValue))
                            parameter.SetValueWithDouble(doubleValue);
                    }
                    else if (parameter.GetValueAsString(&text))
                    {
                        if (mChunkParser.FindString(identifier, &text))
                            parameter.SetValueWithString(text);
                    }
                    return true;
                });
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk(const AAX_SPlugInChunk* chunk,
                                                     AAX_CBoolean* outIsEqual)
{
    if (chunk == nullptr || outIsEqual == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (chunk->fChunkID != cControlsChunkID)
    {
        *outIsEqual = 1;
        return AAX_SUCCESS;
    }

    *outIsEqual = 0;
    return AAX_GuardedCall(
        [&]() -> AAX_Result
        {
            mChunkParser.LoadChunk(chunk);
            int32_t numParameters = 0;
            GetNumberOfParameters(&numParameters);
            if (numParameters < 1)
            {
                *outIsEqual = 1;
                return AAX_SUCCESS;
            }

            bool equal = true;
            ForEachChunkParameter(
                [&](const AAX_IParameter& parameter)
                {
                    const AAX_CParamID identifier = parameter.Identifier();
                    float floatValue = 0.0f;
                    int32_t intValue = 0;
                    bool boolValue = false;
                    double doubleValue = 0.0;
                    AAX_CString text;
                    double storedDouble = 0.0;
                    int32_t storedInt = 0;
                    AAX_CString storedText;
                    if (parameter.GetValueAsFloat(&floatValue))
                        equal = mChunkParser.FindDouble(identifier, &storedDouble) &&
                                AAX_NarrowReal<float>(storedDouble) == floatValue;
                    else if (parameter.GetValueAsInt32(&intValue))
                        equal =
                            mChunkParser.FindInt32(identifier, &storedInt) && storedInt == intValue;
                    else if (parameter.GetValueAsBool(&boolValue))
                        equal = mChunkParser.FindInt32(identifier, &storedInt) &&
                                (storedInt != 0) == boolValue;
                    else if (parameter.GetValueAsDouble(&doubleValue))
                        equal = mChunkParser.FindDouble(identifier, &storedDouble) &&
                                AAX_NarrowReal<float>(storedDouble) ==
                                    AAX_NarrowReal<float>(doubleValue);
                    else if (parameter.GetValueAsString(&text))
                        equal =
                            mChunkParser.FindString(identifier, &storedText) && storedText == text;
                    return equal;
                });
            *outIsEqual = equal ? 1 : 0;
            return AAX_SUCCESS;
        });
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges(int32_t* outNumChanges) const
{
    if (outNumChanges == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (mNumPlugInChanges <= static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
        *outNumChanges = static_cast<int32_t>(mNumPlugInChanges);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::TimerWakeup()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveData(AAX_CTypeID, const float*, uint32_t, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCustomData(AAX_CTypeID, uint32_t, void*,
                                                uint32_t* outSize) const
{
    if (outSize != nullptr)
        *outSize = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData(AAX_CTypeID, uint32_t, const void*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::DoMIDITransfers()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid(AAX_SHybridRenderInfo*)
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdateMIDINodes(AAX_CFieldIndex, AAX_CMidiPacket&)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes(AAX_CTypeID, AAX_CMidiPacket&)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds(AAX_CTypeID, uint32_t*, uint32_t*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange(AAX_CTypeID, float*, float*, float*,
                                                           float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_IController* AAX_CEffectParameters::Controller()
{
    return mController.get();
}

const AAX_IController* AAX_CEffectParameters::Controller() const
{
    return mController.get();
}

AAX_ITransport* AAX_CEffectParameters::Transport()
{
    return mTransport.get();
}

const AAX_ITransport* AAX_CEffectParameters::Transport() const
{
    return mTransport.get();
}
