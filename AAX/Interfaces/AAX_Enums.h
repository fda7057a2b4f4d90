#pragma once

#include <cstdint>

// Numbers the host defines for its descriptors, controller, transport and views. The layer
// passes them through unchanged; only the values the plug-in itself uses are named.

// A field of the process callback's context record, by its index.
using AAX_CFieldIndex = int32_t;

// Which procedure AddProcPtr registers.
using AAX_CProcPtrID = int32_t;
constexpr AAX_CProcPtrID kAAX_ProcPtrID_Create_EffectParameters = 0;
constexpr AAX_CProcPtrID kAAX_ProcPtrID_Create_EffectGUI = 1;

enum AAX_EPlugInCategory : uint32_t
{
    AAX_ePlugInCategory_None = 0,
    AAX_ePlugInCategory_Modulation = 32
};

// How the host delivers the packets posted on a data-in port.
enum AAX_EDataInPortType : int32_t
{
    AAX_eDataInPortType_Buffered = 0,
    AAX_eDataInPortType_Unbuffered = 1
};

enum AAX_EMIDINodeType : int32_t
{
    AAX_eMIDINodeType_LocalInput = 0
};

enum AAX_EComponentInstanceInitAction : int32_t
{
    AAX_eComponentInstanceInitAction_AddingNewInstance = 0,
    AAX_eComponentInstanceInitAction_RemovingInstance = 1
};

enum AAX_EResourceType : int32_t
{
    AAX_eResourceType_None = 0
};

enum AAX_EPlugInStrings : int32_t
{
    AAX_ePlugInStrings_Analysis = 0
};

enum AAX_EHighlightColor : int32_t
{
    AAX_eHighlightColor_Red = 0
};

enum AAX_EFrameRate : int32_t
{
    AAX_eFrameRate_Undeclared = 0
};

enum AAX_EFeetFramesRate : int32_t
{
    AAX_eFeetFramesRate_Undeclared = 0
};

// The kind of native view a view container hands over.
enum AAX_EViewContainer_Type : int32_t
{
    AAX_eViewContainer_Type_NULL = 0,
    AAX_eViewContainer_Type_XWindow = 1
};

// Direct memory transfers of a component.
class AAX_IDma
{
public:
    enum EMode : int32_t
    {
        eMode_Error = 0
    };

protected:
    ~AAX_IDma() = default;
};
