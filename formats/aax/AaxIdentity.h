#pragma once

#include "AAX.h"
#include "AAX_Enums.h"

// Who the plug-in is to an AAX host.
namespace AaxIdentity
{
constexpr AAX_CTypeID FourCharCode(const char (&code)[5])
{
    return (AAX_CTypeID(static_cast<unsigned char>(code[0])) << 24) |
           (AAX_CTypeID(static_cast<unsigned char>(code[1])) << 16) |
           (AAX_CTypeID(static_cast<unsigned char>(code[2])) << 8) |
           AAX_CTypeID(static_cast<unsigned char>(code[3]));
}

inline constexpr const char* effectID = "com.velmor.StompixZR7714";
inline constexpr const char* shortName = "ZR7714";
inline constexpr const char* fullName = "Stompix ZR7714";
inline constexpr const char* manufacturerName = "Velmor";
inline constexpr uint32_t packageVersion = 0x00010001;
inline constexpr uint32_t category = AAX_ePlugInCategory_Modulation;
inline constexpr AAX_CTypeID manufacturerID = FourCharCode("VLM_");
inline constexpr AAX_CTypeID productID = FourCharCode("Vzr7");

// The chunk that carries the processor's whole state, beside the parameter chunk.
inline constexpr AAX_CTypeID stateChunkID = FourCharCode("juce");
inline constexpr const char* stateChunkName = "Plug-in State";

// Each channel layout is a plug-in of its own to the host: the product code's first two
// characters, then the input and output channel counts as digits ("Vz12" for mono to stereo).
constexpr AAX_CTypeID PlugInIDFor(int numInputs, int numOutputs)
{
    return (productID & 0xFFFF0000u) | (AAX_CTypeID('0' + numInputs) << 8) |
           AAX_CTypeID('0' + numOutputs);
}
} // namespace AaxIdentity
