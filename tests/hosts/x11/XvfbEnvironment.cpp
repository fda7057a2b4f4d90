#include "XvfbEnvironment.h"

#include <gtest/gtest.h>

namespace
{
const XvfbDisplay* running = nullptr;

class Environment final : public ::testing::Environment
{
public:
    void SetUp() override { running = server.isRunning() ? &server : nullptr; }
    void TearDown() override { running = nullptr; }

private:
    XvfbDisplay server;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new Environment());
} // namespace

const XvfbDisplay* XvfbEnvironment::display()
{
    return running;
}
