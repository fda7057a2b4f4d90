#pragma once

#include "AAX.h"
#include "AAX_CMutex.h"
#include "AAX_Errors.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class AAX_IController;
class AAX_IEffectParameters;

// One data port's packet: the payload the data model posts to the host, which hands it to the
// process callback before the next block. A new packet is dirty, so it is posted at least once.
class AAX_CPacket final
{
public:
    // The payload bytes; they begin as 8 zero bytes.
    class SPacketData final
    {
    public:
        SPacketData() : mData(8, 0) {}
        // Resizes the payload to size bytes (new bytes zero) and gives its first byte; with
        // size 0 there is no first byte and std::out_of_range is thrown.
        void* Get(uint32_t size)
        {
            mData.resize(size);
            return &mData.at(0);
        }

    private:
        std::vector<unsigned char> mData;
    };

    explicit AAX_CPacket(int32_t portID) : mID(portID) {}

    int32_t GetID() const { return mID; }
    bool IsDirty() const { return mDirty; }
    void SetDirty(bool dirty) { mDirty = dirty; }
    uint32_t GetSize() const { return mSize; }

    // Makes the value, in the processor's byte order, the payload.
    template <typename T> void SetValue(const T& value)
    {
        mSize = sizeof(T);
        std::memcpy(mPacketData.Get(mSize), &value, sizeof(T));
    }

    // The payload as it is to be posted; std::out_of_range while the size is 0.
    const void* GetData() { return mPacketData.Get(mSize); }

private:
    int32_t mID;
    bool mDirty = true;
    uint32_t mSize = 0;
    SPacketData mPacketData;
};

// Fills a packet for a parameter identifier; 0 when the packet is to be posted.
class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;

    // A new copy, owned by the caller.
    virtual AAX_IPacketHandler* Clone() const = 0;
    virtual AAX_Result Call(AAX_CParamID identifier, AAX_CPacket& packet) const = 0;

protected:
    AAX_IPacketHandler() = default;
    AAX_IPacketHandler(const AAX_IPacketHandler&) = default;
    AAX_IPacketHandler& operator=(const AAX_IPacketHandler&) = default;
};

// A handler that calls a member function of a worker object: the one taking the identifier and
// the packet when there is one, else the one taking the packet; with neither (or no worker)
// AAX_ERROR_NULL_OBJECT.
template <class Worker> class AAX_CPacketHandler final : public AAX_IPacketHandler
{
public:
    using PacketFunction = AAX_Result (Worker::*)(AAX_CPacket&);
    using IdentifierPacketFunction = AAX_Result (Worker::*)(AAX_CParamID, AAX_CPacket&);

    AAX_CPacketHandler(Worker* worker, PacketFunction function)
        : mWorker(worker), mPacketFunction(function)
    {
    }
    AAX_CPacketHandler(Worker* worker, IdentifierPacketFunction function)
        : mWorker(worker), mIdentifierPacketFunction(function)
    {
    }

    AAX_CPacketHandler* Clone() const override { return new AAX_CPacketHandler(*this); }

    AAX_Result Call(AAX_CParamID identifier, AAX_CPacket& packet) const override;

private:
    Worker* mWorker;
    PacketFunction mPacketFunction = nullptr;
    IdentifierPacketFunction mIdentifierPacketFunction = nullptr;
};

// Ties parameter identifiers to data-port packets: an update of a parameter marks the packets
// of its identifier dirty, and Dispatch lets each dirty packet's handler fill it and posts it
// through the controller. Registration, marking, dispatch and destruction hold the mutex.
class AAX_CPacketDispatcher final
{
public:
    AAX_CPacketDispatcher() = default;
    ~AAX_CPacketDispatcher();

    AAX_CPacketDispatcher(const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator=(const AAX_CPacketDispatcher&) = delete;

    // The controller packets are posted through and the data model the built-in handler reads;
    // neither is owned, and both may be null (nothing is posted then). A new controller gets
    // every packet again.
    void Initialize(AAX_IController* controller, AAX_IEffectParameters* effectParameters);

    // Registers a copy of the handler for the identifier on the port. A negative port holds no
    // packet: such a registration is never marked or dispatched.
    AAX_Result RegisterPacket(AAX_CParamID identifier, int32_t portID,
                              const AAX_IPacketHandler* handler);
    AAX_Result SetDirty(AAX_CParamID identifier, bool dirty);
    // Fills and posts every dirty packet, each at most once, in identifier order; the result
    // is that of the last post (or of the last packet that could not be posted), 0 if none.
    AAX_Result Dispatch();

    // The built-in handler: the parameter's value (a bool as the 32-bit integer 0 or 1) as
    // the payload.
    AAX_Result GenerateSingleValuePacket(AAX_CParamID identifier, AAX_CPacket& packet);

private:
    using Registration = std::pair<AAX_CPacket*, std::unique_ptr<AAX_IPacketHandler>>;

    AAX_Result Post(AAX_CPacket& packet);

    std::map<int32_t, std::unique_ptr<AAX_CPacket>> mPacketsHolder;
    std::multimap<std::string, Registration> mPacketsHandlers;
    AAX_IController* mController = nullptr;
    AAX_IEffectParameters* mEffectParameters = nullptr;
    AAX_CMutex mLockGuard;
};

template <class Worker>
AAX_Result AAX_CPacketHandler<Worker>::Call(AAX_CParamID identifier, AAX_CPacket& packet) const
{
    if (mWorker != nullptr && mIdentifierPacketFunction != nullptr)
        return (mWorker->*mIdentifierPacketFunction)(identifier, packet);
    if (mWorker != nullptr && mPacketFunction != nullptr)
        return (mWorker->*mPacketFunction)(packet);
    return AAX_ERROR_NULL_OBJECT;
}
