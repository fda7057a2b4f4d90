#pragma once

#include "AAX_IString.h"

#include <string>

// The layer's string: a growable byte string behind AAX_IString, with the formatting, parsing,
// cutting and comparison the parameters and chunks need. A missing text (a null pointer, or a
// foreign string whose Get is null) reads as the empty text; positions beyond the text are
// clamped. No operation throws.
class AAX_CString final : public AAX_IString
{
public:
    AAX_CString() = default;
    AAX_CString(const char* text);
    AAX_CString(const AAX_CString& other);
    AAX_CString(const AAX_IString& other);
    ~AAX_CString() override = default;

    AAX_CString& operator=(const AAX_CString& other);
    AAX_CString& operator=(const AAX_IString& other) override;
    AAX_CString& operator=(const char* text) override;
    void Set(const char* text) override;

    uint32_t Length() const override;
    uint32_t MaxLength() const override;
    const char* Get() const override;
    const char* CString() const;

    // Compare the texts up to their first zero byte.
    bool operator==(const AAX_CString& other) const;
    bool operator!=(const AAX_CString& other) const;

    // Byte i of the text. A position at or beyond the end gives a scratch byte that reads as
    // zero, so a write there changes nothing.
    char& operator[](uint32_t i);

    void Clear();
    AAX_CString& Erase(uint32_t pos, uint32_t count);
    void SubString(uint32_t pos, uint32_t count, AAX_IString* out) const;

    // Appends the value in fixed-point notation with the given number of decimals, written as
    // a text stream in the classic locale writes it; a negative precision counts as 0.
    AAX_CString& AppendNumber(double value, int32_t precision);

    // Reads a number from the start of the text as a classic-locale text stream does, after
    // leading white space; what follows it is ignored. Without a number: 0.0 and false.
    bool ToDouble(double* out) const;

private:
    void Assign(const char* text) noexcept;

    std::string mString;
};
