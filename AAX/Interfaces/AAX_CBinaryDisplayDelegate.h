#pragma once

#include "AAX_IDisplayDelegate.h"

#include <vector>

// Shows a two-valued parameter as one of two texts, with optional shorter pairs of texts for
// narrow displays, and reads either text back.
template <typename T> class AAX_CBinaryDisplayDelegate final : public AAX_IDisplayDelegate<T>
{
public:
    // A shorter pair of texts for displays of at most mStrLength characters.
    struct StringTable
    {
        int32_t mStrLength;
        AAX_CString mFalseString;
        AAX_CString mTrueString;
    };

    // A null text is the empty text.
    AAX_CBinaryDisplayDelegate(const char* falseString, const char* trueString)
        : mFalseString(falseString), mTrueString(trueString),
          mMaxStrLength(mFalseString.Length() > mTrueString.Length() ? mFalseString.Length()
                                                                     : mTrueString.Length())
    {
    }

    AAX_CBinaryDisplayDelegate* Clone() const override
    {
        return new AAX_CBinaryDisplayDelegate(*this);
    }

    // Adds a shorter pair, tried from the last added to the first when a display is narrower
    // than the full texts.
    void AddShortenedStrings(const char* falseString, const char* trueString, int32_t strLength)
    {
        mStrings.push_back(
            StringTable{strLength, AAX_CString(falseString), AAX_CString(trueString)});
    }

    bool ValueToString(T value, AAX_CString* valueString) const override
    {
        if (valueString == nullptr)
            return false;
        *valueString = value ? mTrueString : mFalseString;
        return true;
    }

    bool ValueToString(T value, int32_t maxNumChars, AAX_CString* valueString) const override
    {
        if (valueString == nullptr)
            return false;

        const int32_t length = maxNumChars < 0 ? 0 : maxNumChars;
        if (mStrings.empty() || static_cast<uint32_t>(length) >= mMaxStrLength)
            return ValueToString(value, valueString);

        const StringTable* chosen = &mStrings.front();
        for (auto entry = mStrings.rbegin(); entry != mStrings.rend(); ++entry)
        {
            if (entry->mStrLength <= length)
            {
                chosen = &*entry;
                break;
            }
        }
        *valueString = value ? chosen->mTrueString : chosen->mFalseString;
        return true;
    }

    bool StringToValue(const AAX_CString& valueString, T* value) const override
    {
        if (value == nullptr)
            return false;
        if (valueString == mTrueString)
        {
            *value = true;
            return true;
        }
        *value = false;
        return valueString == mFalseString;
    }

private:
    AAX_CString mFalseString;
    AAX_CString mTrueString;
    uint32_t mMaxStrLength;
    std::vector<StringTable> mStrings;
};
