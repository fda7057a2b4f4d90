#include "AAX_VComponentDescriptor.h"

#include "AAX_Errors.h"
#include "AAX_HostComponentFactory.h"
#include "AAX_HostPropertyMap.h"
#include "AAX_UIDs.h"
#include "AAX_VPropertyMap.h"

namespace
{
// The properties a duplicated map takes over.
constexpr int32_t firstCopiedProperty = 10;
constexpr int32_t lastCopiedProperty = 401;
} // namespace

AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* host) : mHost(host)
{
    const ACFPtr<IACFComponentFactory> factory = AAX_GetHostComponentFactory(host);
    if (!factory)
        return;

    factory->CreateComponent(AAXCompID_AAXComponentDescriptor, nullptr,
                             IID_IAAXComponentDescriptorV1,
                             mIACFComponentDescriptor.AsOutParameter());
    if (mIACFComponentDescriptor)
        mIACFComponentDescriptor->QueryInterface(IID_IAAXComponentDescriptorV2,
                                                 mIACFComponentDescriptorV2.AsOutParameter());
}

// The maps go first, then the host's interfaces, newest version first.
AAX_VComponentDescriptor::~AAX_VComponentDescriptor() = default;

AAX_Result AAX_VComponentDescriptor::Clear()
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->Clear();
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn(AAX_CFieldIndex fieldIndex)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddAudioIn(fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut(AAX_CFieldIndex fieldIndex)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddAudioOut(fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength(AAX_CFieldIndex fieldIndex)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddAudioBufferLength(fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate(AAX_CFieldIndex fieldIndex)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddSampleRate(fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddClock(AAX_CFieldIndex fieldIndex)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddClock(fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn(AAX_CFieldIndex fieldIndex)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddSideChainIn(fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort(AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                                   AAX_EDataInPortType portType)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddDataInPort(fieldIndex, packetSize, portType);
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem(AAX_CFieldIndex fieldIndex,
                                                      int32_t stemFormat, const char* name)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddAuxOutputStem(fieldIndex, stemFormat, name);
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData(AAX_CFieldIndex fieldIndex, int32_t dataSize,
                                                    uint32_t options)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddPrivateData(fieldIndex, dataSize, options);
}

AAX_Result AAX_VComponentDescriptor::AddDmaInstance(AAX_CFieldIndex fieldIndex,
                                                    AAX_IDma::EMode dmaMode)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddDmaInstance(fieldIndex, dmaMode);
}

AAX_Result AAX_VComponentDescriptor::AddMeters(AAX_CFieldIndex fieldIndex, const uint32_t* meterIDs,
                                               uint32_t numMeters)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddMeters(fieldIndex, meterIDs, numMeters);
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode(AAX_CFieldIndex fieldIndex,
                                                 AAX_EMIDINodeType nodeType, const char* nodeName,
                                                 uint32_t channelMask)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddMIDINode(fieldIndex, nodeType, nodeName, channelMask);
}

AAX_Result AAX_VComponentDescriptor::AddReservedField(AAX_CFieldIndex fieldIndex,
                                                      uint32_t fieldType)
{
    if (!mIACFComponentDescriptor)
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddReservedField(fieldIndex, fieldType);
}

AAX_Result AAX_VComponentDescriptor::AddTemporaryData(AAX_CFieldIndex fieldIndex,
                                                      uint32_t dataElementSize)
{
    if (!mIACFComponentDescriptorV2)
        return AAX_ERROR_UNIMPLEMENTED;
    return mIACFComponentDescriptorV2->AddTemporaryData(fieldIndex, dataElementSize);
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() const
{
    mPropertyMaps.push_back(std::make_unique<AAX_VPropertyMap>(mHost.get()));
    return mPropertyMaps.back().get();
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap(AAX_IPropertyMap* properties) const
{
    AAX_IPropertyMap* const duplicate = NewPropertyMap();
    if (properties == nullptr)
        return duplicate;

    for (int32_t property = firstCopiedProperty; property <= lastCopiedProperty; ++property)
    {
        AAX_CPropertyValue value = 0;
        const auto identifier = static_cast<AAX_EProperty>(property);
        if (properties->GetProperty(identifier, &value))
            duplicate->AddProperty(identifier, value);
    }
    return duplicate;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc processProc,
                                                           AAX_IPropertyMap* properties,
                                                           AAX_CInstanceInitProc instanceInitProc,
                                                           AAX_CBackgroundProc backgroundProc,
                                                           uint32_t* outProcID)
{
    IACFUnknown* hostMap = nullptr;
    if (!mIACFComponentDescriptor || !AAX_GetHostPropertyMap(properties, &hostMap))
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddProcessProc_Native(processProc, hostMap, instanceInitProc,
                                                           backgroundProc, outProcID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI(
    const char* dllFileName, const char* processProcSymbol, AAX_IPropertyMap* properties,
    const char* instanceInitProcSymbol, const char* backgroundProcSymbol, uint32_t* outProcID)
{
    IACFUnknown* hostMap = nullptr;
    if (!mIACFComponentDescriptor || !AAX_GetHostPropertyMap(properties, &hostMap))
        return AAX_ERROR_NULL_OBJECT;
    return mIACFComponentDescriptor->AddProcessProc_TI(dllFileName, processProcSymbol, hostMap,
                                                       instanceInitProcSymbol, backgroundProcSymbol,
                                                       outProcID);
}

IACFUnknown* AAX_VComponentDescriptor::GetIUnknown() const
{
    return mIACFComponentDescriptor.get();
}
