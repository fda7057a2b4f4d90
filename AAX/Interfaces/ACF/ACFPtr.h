#pragma once

#include "ACF/acfresult.h"

#include <utility>

// Owning pointer to one host interface: holds one reference and releases it when destroyed,
// reset or overwritten. Copies add a reference of their own. Like a plain pointer, a const
// holder still gives a callable interface. Dereferencing an empty holder throws
// ACF_E_NULLPOINTER; callers test it first.
//
// The interface is kept as void* so that a host can write it through the void** that queries
// and component creation take (see AsOutParameter).
template <class T> class ACFPtr
{
public:
    ACFPtr() noexcept = default;

    // Holds the interface and adds a reference for this holder.
    explicit ACFPtr(T* pointer) noexcept : m_Pointer(pointer) { AddRefHeld(); }

    ACFPtr(const ACFPtr& other) noexcept : m_Pointer(other.m_Pointer) { AddRefHeld(); }
    ACFPtr(ACFPtr&& other) noexcept : m_Pointer(std::exchange(other.m_Pointer, nullptr)) {}

    ACFPtr& operator=(const ACFPtr& other) noexcept
    {
        ACFPtr copy(other);
        Swap(copy);
        return *this;
    }

    ACFPtr& operator=(ACFPtr&& other) noexcept
    {
        ACFPtr moved(std::move(other));
        Swap(moved);
        return *this;
    }

    ~ACFPtr() { Reset(); }

    T* operator->() const
    {
        if (m_Pointer == nullptr)
            throw ACF_E_NULLPOINTER;
        return get();
    }

    T* get() const noexcept { return static_cast<T*>(m_Pointer); }
    explicit operator bool() const noexcept { return m_Pointer != nullptr; }

    // Releases the held interface and empties the holder.
    void Reset() noexcept
    {
        if (void* held = std::exchange(m_Pointer, nullptr))
            static_cast<T*>(held)->Release();
    }

    // Empties the holder and returns where a host query or creation writes the new interface.
    void** AsOutParameter() noexcept
    {
        Reset();
        return &m_Pointer;
    }

private:
    void AddRefHeld() noexcept
    {
        if (m_Pointer != nullptr)
            get()->AddRef();
    }

    void Swap(ACFPtr& other) noexcept { std::swap(m_Pointer, other.m_Pointer); }

    void* m_Pointer = nullptr;
};
