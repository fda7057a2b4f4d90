#pragma once

#include "AAX.h"
#include "AAX_Callbacks.h"
#include "AAX_Enums.h"

class AAX_IPropertyMap;

// One component of the effect as the plug-in describes it: the fields of the process
// procedure's context record, its properties and the procedure. The maps it makes belong to it.
class AAX_IComponentDescriptor
{
public:
    virtual ~AAX_IComponentDescriptor() = default;

    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddSampleRate(AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddClock(AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddSideChainIn(AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddDataInPort(AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                     AAX_EDataInPortType portType) = 0;
    virtual AAX_Result AddAuxOutputStem(AAX_CFieldIndex fieldIndex, int32_t stemFormat,
                                        const char* name) = 0;
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex fieldIndex, int32_t dataSize,
                                      uint32_t options) = 0;
    virtual AAX_Result AddTemporaryData(AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) = 0;
    virtual AAX_Result AddDmaInstance(AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) = 0;
    virtual AAX_Result AddMeters(AAX_CFieldIndex fieldIndex, const uint32_t* meterIDs,
                                 uint32_t numMeters) = 0;
    virtual AAX_Result AddMIDINode(AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                                   const char* nodeName, uint32_t channelMask) = 0;
    virtual AAX_Result AddReservedField(AAX_CFieldIndex fieldIndex, uint32_t fieldType) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() const = 0;
    virtual AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* properties) const = 0;
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc processProc,
                                             AAX_IPropertyMap* properties,
                                             AAX_CInstanceInitProc instanceInitProc,
                                             AAX_CBackgroundProc backgroundProc,
                                             uint32_t* outProcID) = 0;
    virtual AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProcSymbol,
                                         AAX_IPropertyMap* properties,
                                         const char* instanceInitProcSymbol,
                                         const char* backgroundProcSymbol, uint32_t* outProcID) = 0;
};
