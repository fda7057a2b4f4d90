#pragma once

#include "AAX.h"

// Results of the AAX layer: 0 for success, negative for errors.
enum AAX_EError : AAX_Result
{
    AAX_SUCCESS = 0,
    // No parameter with that identifier or index.
    AAX_ERROR_INVALID_PARAMETER_ID = -20001,
    // A string argument is missing, or a text did not convert to or from a parameter value.
    AAX_ERROR_INVALID_STRING_CONVERSION = -20002,
    // A needed object is missing (most often a host interface a proxy does not have).
    AAX_ERROR_NULL_OBJECT = -20004,
    AAX_ERROR_INVALID_CHUNK_INDEX = -20006,
    AAX_ERROR_INVALID_CHUNK_ID = -20007,
    // The chunk size differs from the size last reported, or no size was asked for.
    AAX_ERROR_INCORRECT_CHUNK_SIZE = -20008,
    // Not implemented, or the host lacks the newer interface version the call needs.
    AAX_ERROR_UNIMPLEMENTED = -20009,
    AAX_ERROR_NOT_INITIALIZED = -20011,
    // A parameter reports a negative number of steps.
    AAX_ERROR_INVALID_PARAMETER_STEPS = -20033,
    // Writing the chunk data failed.
    AAX_ERROR_CHUNK_DATA_WRITE = -333
};
