#pragma once

#include <atomic>

// A value that the host's audio thread and its message thread both read and write, used like a
// plain T: every read and write is whole, without a lock or a fence, so the audio path may use it
// freely. It orders nothing else: what a reader must see together with it comes through a flag
// of its own (the processor's byte flags are sequentially consistent). Copies read and write
// each value whole too, so an array of it copies like an array of T, element by element.
template <typename T> class RelaxedAtomic final
{
public:
    static_assert(std::atomic<T>::is_always_lock_free, "the audio path may not wait for a lock");

    constexpr RelaxedAtomic() noexcept = default;
    constexpr explicit RelaxedAtomic(T initial) noexcept : value(initial) {}
    RelaxedAtomic(const RelaxedAtomic& other) noexcept : value(other.load()) {}

    RelaxedAtomic& operator=(const RelaxedAtomic& other) noexcept
    {
        store(other.load());
        return *this;
    }

    RelaxedAtomic& operator=(T newValue) noexcept
    {
        store(newValue);
        return *this;
    }

    operator T() const noexcept { return load(); }

    T load() const noexcept { return value.load(std::memory_order_relaxed); }
    void store(T newValue) noexcept { value.store(newValue, std::memory_order_relaxed); }

private:
    std::atomic<T> value{T{}};
};
