#pragma once

#include <cstdint>

// Text as it crosses between the host and the plug-in: both sides implement this interface,
// and a foreign string is used only through these operations. The text is bytes without an
// encoding of its own.
class AAX_IString
{
public:
    virtual ~AAX_IString() = default;

    virtual uint32_t Length() const = 0;
    virtual uint32_t MaxLength() const = 0;
    virtual const char* Get() const = 0;
    virtual void Set(const char* text) = 0;
    virtual AAX_IString& operator=(const AAX_IString& other) = 0;
    virtual AAX_IString& operator=(const char* text) = 0;

protected:
    AAX_IString() = default;
    AAX_IString(const AAX_IString&) = default;
};
