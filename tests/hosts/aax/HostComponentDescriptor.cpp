#include "HostComponentDescriptor.h"

#include "PropertyMapStore.h"

#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

namespace aaxhost
{
namespace
{
std::string Text(const char* text)
{
    return text != nullptr ? "\"" + std::string(text) + "\"" : "null";
}

template <typename... Values> std::string Call(const char* name, const Values&... values)
{
    std::string call = std::string(name) + "(";
    const char* separator = "";
    ((call += separator + values, separator = ", "), ...);
    return call + ")";
}

std::string Number(int64_t value)
{
    return std::to_string(value);
}
} // namespace

PropertyMapStore* PropertyMapBehind(IACFUnknown* unknown)
{
    return dynamic_cast<PropertyMapStore*>(unknown);
}

HostComponentDescriptor::HostComponentDescriptor(std::string name,
                                                 std::shared_ptr<HostGrants> hostGrants)
    : HostObject(std::move(name), std::move(hostGrants))
{
    offer(IID_IACFUnknown, static_cast<IACFUnknown*>(this));
    offer(IID_IAAXComponentDescriptorV1, static_cast<AAX_IACFComponentDescriptor*>(this));
    offer(IID_IAAXComponentDescriptorV2, static_cast<AAX_IACFComponentDescriptor_V2*>(this));
}

AAX_Result HostComponentDescriptor::add(Field::Kind kind, AAX_CFieldIndex index, int64_t size,
                                        std::string call)
{
    described.push_back({kind, index, size});
    recorded.push_back(std::move(call));
    return 0;
}

AAX_Result HostComponentDescriptor::Clear()
{
    described.clear();
    recorded.push_back("Clear()");
    return 0;
}

AAX_Result HostComponentDescriptor::AddReservedField(AAX_CFieldIndex fieldIndex, uint32_t fieldType)
{
    return add(Field::Kind::reserved, fieldIndex, 0,
               Call("AddReservedField", Number(fieldIndex), Number(fieldType)));
}

AAX_Result HostComponentDescriptor::AddAudioIn(AAX_CFieldIndex fieldIndex)
{
    return add(Field::Kind::audioIn, fieldIndex, 0, Call("AddAudioIn", Number(fieldIndex)));
}

AAX_Result HostComponentDescriptor::AddAudioOut(AAX_CFieldIndex fieldIndex)
{
    return add(Field::Kind::audioOut, fieldIndex, 0, Call("AddAudioOut", Number(fieldIndex)));
}

AAX_Result HostComponentDescriptor::AddAudioBufferLength(AAX_CFieldIndex fieldIndex)
{
    return add(Field::Kind::bufferLength, fieldIndex, 0,
               Call("AddAudioBufferLength", Number(fieldIndex)));
}

AAX_Result HostComponentDescriptor::AddSampleRate(AAX_CFieldIndex fieldIndex)
{
    return add(Field::Kind::sampleRate, fieldIndex, 0, Call("AddSampleRate", Number(fieldIndex)));
}

AAX_Result HostComponentDescriptor::AddClock(AAX_CFieldIndex fieldIndex)
{
    return add(Field::Kind::clock, fieldIndex, 0, Call("AddClock", Number(fieldIndex)));
}

AAX_Result HostComponentDescriptor::AddSideChainIn(AAX_CFieldIndex fieldIndex)
{
    return add(Field::Kind::sideChainIn, fieldIndex, 0, Call("AddSideChainIn", Number(fieldIndex)));
}

AAX_Result HostComponentDescriptor::AddDataInPort(AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                                  AAX_EDataInPortType portType)
{
    return add(Field::Kind::dataInPort, fieldIndex, packetSize,
               Call("AddDataInPort", Number(fieldIndex), Number(packetSize), Number(portType)));
}

AAX_Result HostComponentDescriptor::AddAuxOutputStem(AAX_CFieldIndex fieldIndex, int32_t stemFormat,
                                                     const char* name)
{
    return add(Field::Kind::auxOutputStem, fieldIndex, 0,
               Call("AddAuxOutputStem", Number(fieldIndex), Number(stemFormat), Text(name)));
}

AAX_Result HostComponentDescriptor::AddPrivateData(AAX_CFieldIndex fieldIndex, int32_t dataSize,
                                                   uint32_t options)
{
    return add(Field::Kind::privateData, fieldIndex, dataSize,
               Call("AddPrivateData", Number(fieldIndex), Number(dataSize), Number(options)));
}

AAX_Result HostComponentDescriptor::AddDmaInstance(AAX_CFieldIndex fieldIndex,
                                                   AAX_IDma::EMode dmaMode)
{
    return add(Field::Kind::dmaInstance, fieldIndex, 0,
               Call("AddDmaInstance", Number(fieldIndex), Number(dmaMode)));
}

AAX_Result HostComponentDescriptor::AddMIDINode(AAX_CFieldIndex fieldIndex,
                                                AAX_EMIDINodeType nodeType, const char* nodeName,
                                                uint32_t channelMask)
{
    return add(Field::Kind::midiNode, fieldIndex, 0,
               Call("AddMIDINode", Number(fieldIndex), Number(nodeType), Text(nodeName),
                    Number(channelMask)));
}

AAX_Result HostComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc processProc,
                                                          IACFUnknown* properties,
                                                          AAX_CInstanceInitProc instanceInitProc,
                                                          AAX_CBackgroundProc backgroundProc,
                                                          uint32_t* outProcID)
{
    nativeProc = processProc;
    processProperties = PropertyMapBehind(properties);
    recorded.push_back(Call(
        "AddProcessProc_Native", std::string(processProc ? "proc" : "null"),
        std::string(properties ? "map" : "null"), std::string(instanceInitProc ? "proc" : "null"),
        std::string(backgroundProc ? "proc" : "null"), std::string(outProcID ? "out" : "null")));
    return 0;
}

AAX_Result HostComponentDescriptor::AddProcessProc_TI(
    const char* dllFileName, const char* processProcSymbol, IACFUnknown* properties,
    const char* instanceInitProcSymbol, const char* backgroundProcSymbol, uint32_t* outProcID)
{
    recorded.push_back(Call("AddProcessProc_TI", Text(dllFileName), Text(processProcSymbol),
                            std::string(properties ? "map" : "null"), Text(instanceInitProcSymbol),
                            Text(backgroundProcSymbol), std::string(outProcID ? "out" : "null")));
    return 0;
}

AAX_Result HostComponentDescriptor::AddMeters(AAX_CFieldIndex fieldIndex, const uint32_t*,
                                              uint32_t numMeters)
{
    return add(Field::Kind::meters, fieldIndex, numMeters,
               Call("AddMeters", Number(fieldIndex), Number(numMeters)));
}

AAX_Result HostComponentDescriptor::AddTemporaryData(AAX_CFieldIndex fieldIndex,
                                                     uint32_t dataElementSize)
{
    return add(Field::Kind::temporaryData, fieldIndex, dataElementSize,
               Call("AddTemporaryData", Number(fieldIndex), Number(dataElementSize)));
}
} // namespace aaxhost
