#pragma once

#include <cstdint>
#include <cstring>

// The scalar types of the host's component framework.
using ACFRESULT = int32_t;
using acfUInt32 = uint32_t;

// A 16-byte class or interface identifier: one 32-bit word, two 16-bit words and eight bytes,
// the three words in the processor's byte order.
struct _acfUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};

using acfUID = _acfUID;
using acfIID = _acfUID;
using acfCLSID = _acfUID;

inline bool operator==(const _acfUID& a, const _acfUID& b)
{
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}

inline bool operator!=(const _acfUID& a, const _acfUID& b)
{
    return !(a == b);
}
