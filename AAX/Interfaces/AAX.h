#pragma once

#include <cstddef>
#include <cstdint>

// Scalar and record types shared by the plug-in and the AAX host.
using AAX_Result = int32_t;
using AAX_CBoolean = uint8_t;
using AAX_CParamID = const char*;
using AAX_CTypeID = uint32_t;
using AAX_CPropertyValue = int32_t;

// A property of a property map. The host defines the numbers; the layer passes them through.
// The plug-in describes each of its components with these.
enum AAX_EProperty : int32_t
{
    AAX_eProperty_NoID = 0,
    AAX_eProperty_ManufacturerID = 10,
    AAX_eProperty_ProductID = 11,
    AAX_eProperty_PlugInID_Native = 12,
    AAX_eProperty_InputStemFormat = 20,
    AAX_eProperty_OutputStemFormat = 21,
    AAX_eProperty_CanBypass = 30
};

// Control-display flags of a parameter, for the host.
using AAX_EParameterOrientation = int32_t;

// Where a value update comes from; the layer does not look at it.
enum AAX_EUpdateSource : int32_t
{
    AAX_eUpdateSource_Unspecified = 0
};

enum AAX_EParameterType : int32_t
{
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1
};

// Priority of a trace line sent to the host.
enum AAX_ETracePriorityHost : int32_t
{
    AAX_eTracePriorityHost_None = 0,
    AAX_eTracePriorityHost_Normal = 0x08000000
};

// The channel layout of an audio stream.
enum AAX_EStemFormat : int32_t
{
    AAX_eStemFormat_None = 0,
    AAX_eStemFormat_Mono = 1,
    AAX_eStemFormat_Stereo = 2
};

// A point and a rectangle of the plug-in's view, in pixels.
struct AAX_Point
{
    float vert;
    float horz;
};

struct AAX_Rect
{
    float top;
    float left;
    float height;
    float width;
};

// Records the host hands over that the layer only passes on.
struct AAX_SHybridRenderInfo;
struct AAX_CMidiPacket;

// Names one plug-in: maker, product and plug-in type.
struct AAX_SPlugInIdentifierTriad
{
    AAX_CTypeID mManufacturerID;
    AAX_CTypeID mProductID;
    AAX_CTypeID mPlugInID;
};

// A state chunk as the host hands it over: a fixed header, then fSize bytes of data. The host
// allocates the data area; fData marks where it begins.
struct AAX_SPlugInChunk
{
    int32_t fSize;
    int32_t fVersion;
    AAX_CTypeID fManufacturerID;
    AAX_CTypeID fProductID;
    AAX_CTypeID fPlugInID;
    AAX_CTypeID fChunkID;
    char fName[32];
    char fData[1];
};

static_assert(sizeof(AAX_SPlugInIdentifierTriad) == 12);
static_assert(offsetof(AAX_SPlugInChunk, fChunkID) == 20);
static_assert(offsetof(AAX_SPlugInChunk, fName) == 24);
static_assert(offsetof(AAX_SPlugInChunk, fData) == 56);
