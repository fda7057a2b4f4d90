#pragma once

#include "AAX_Enums.h"

#include <cstdint>

// The process procedure of a component: the host calls it with the context records of every
// instance it processes at once, from the first up to (not including) the end.
using AAX_CProcessProc = void (*)(void* const inInstancesBegin[], const void* inInstancesEnd);

// Called when an instance's context record is added or removed.
using AAX_CInstanceInitProc = int32_t (*)(const void* inInstanceContextPtr,
                                          AAX_EComponentInstanceInitAction inAction);

// Called by the host in the background, without arguments.
using AAX_CBackgroundProc = int32_t (*)();

class AAX_IEffectGUI;
class AAX_IEffectParameters;

// The procedures an effect registers to have its data model and its GUI object made; the new
// object's reference count is 0 until the host's first query.
using AAX_CCreateEffectParametersProc = AAX_IEffectParameters* (*)();
using AAX_CCreateEffectGUIProc = AAX_IEffectGUI* (*)();
