#include "AAX_CString.h"

#include <cstring>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

AAX_CString::AAX_CString(const char* text)
{
    Assign(text);
}

AAX_CString::AAX_CString(const AAX_CString& other) : AAX_IString()
{
    Assign(other.Get());
}

AAX_CString::AAX_CString(const AAX_IString& other) : AAX_IString()
{
    Assign(other.Get());
}

AAX_CString& AAX_CString::operator=(const AAX_CString& other)
{
    if (&other != this)
        Assign(other.Get());
    return *this;
}

AAX_CString& AAX_CString::operator=(const AAX_IString& other)
{
    if (&other != this)
        Assign(other.Get());
    return *this;
}

AAX_CString& AAX_CString::operator=(const char* text)
{
    Assign(text);
    return *this;
}

void AAX_CString::Set(const char* text)
{
    Assign(text);
}

void AAX_CString::Assign(const char* text) noexcept
{
    try
    {
        if (text == nullptr)
            mString.clear();
        else
            mString.assign(text); // copes with a text that lies inside mString
    }
    catch (...)
    {
        mString.clear();
    }
}

uint32_t AAX_CString::Length() const
{
    constexpr auto largest = std::numeric_limits<uint32_t>::max();
    return mString.size() < largest ? static_cast<uint32_t>(mString.size()) : largest;
}

uint32_t AAX_CString::MaxLength() const
{
    return std::numeric_limits<uint32_t>::max() - 1;
}

const char* AAX_CString::Get() const
{
    return mString.c_str();
}

const char* AAX_CString::CString() const
{
    return mString.c_str();
}

bool AAX_CString::operator==(const AAX_CString& other) const
{
    return std::strcmp(Get(), other.Get()) == 0;
}

bool AAX_CString::operator!=(const AAX_CString& other) const
{
    return !(*this == other);
}

char& AAX_CString::operator[](uint32_t i)
{
    if (i < mString.size())
        return mString[i];

    thread_local char scratch;
    scratch = '\0';
    return scratch;
}

void AAX_CString::Clear()
{
    mString.clear();
}

AAX_CString& AAX_CString::Erase(uint32_t pos, uint32_t count)
{
    if (pos < mString.size())
        mString.erase(pos, count);
    return *this;
}

void AAX_CString::SubString(uint32_t pos, uint32_t count, AAX_IString* out) const
{
    if (out == nullptr)
        return;

    try
    {
        const std::string piece = pos < mString.size() ? mString.substr(pos, count) : std::string();
        out->Set(piece.c_str());
    }
    catch (...)
    {
        out->Set("");
    }
}

AAX_CString& AAX_CString::AppendNumber(double value, int32_t precision)
{
    try
    {
        std::ostringstream stream;
        stream.imbue(std::locale::classic());
        stream << std::fixed << std::setprecision(precision < 0 ? 0 : precision) << value;
        mString += stream.str();
    }
    catch (...)
    {
        // Out of memory: the text stays as it was.
    }
    return *this;
}

bool AAX_CString::ToDouble(double* out) const
{
    if (out == nullptr)
        return false;

    *out = 0.0;
    try
    {
        std::istringstream stream(mString);
        stream.imbue(std::locale::classic());
        double value = 0.0;
        if (!(stream >> value))
            return false;
        *out = value;
        return true;
    }
    catch (...)
    {
        return false;
    }
}
