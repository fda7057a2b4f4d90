#pragma once

#include "ACF/acfbasetypes.h"

// Results of the component framework's own operations (queries, pointer guards, entry points).
constexpr ACFRESULT ACF_OK = 0;
// The object does not offer the interface asked for.
constexpr ACFRESULT ACF_E_NOINTERFACE = static_cast<ACFRESULT>(0x80000004u);
// An empty interface pointer was dereferenced (thrown, as a plain integer, by ACFPtr), or a
// query was given no place for its answer.
constexpr ACFRESULT ACF_E_NULLPOINTER = static_cast<ACFRESULT>(0x80000005u);
// An exception reached an entry point.
constexpr ACFRESULT ACF_E_UNEXPECTED = static_cast<ACFRESULT>(0x8000FFFFu);
