#include "HostEnvironment.h"

#include "FrameworkEnvironment.h"
#include "ScopedTemporaryHome.h"
#include "XvfbDisplay.h"

#include <memory>

namespace
{
class DisplayEnvironment final : public ::testing::Environment
{
public:
    void SetUp() override { display = std::make_unique<XvfbDisplay>(); }
    void TearDown() override { display.reset(); }

    std::unique_ptr<XvfbDisplay> display;
};

// Registered in one place so that the order is certain: the display before the framework that
// connects to it.
[[maybe_unused]] auto* const home = ::testing::AddGlobalTestEnvironment(
    new testsupport::TemporaryHomeEnvironment("stompix-thread-stress-home"));
auto* const display =
    static_cast<DisplayEnvironment*>(::testing::AddGlobalTestEnvironment(new DisplayEnvironment));
[[maybe_unused]] auto* const framework =
    ::testing::AddGlobalTestEnvironment(new testsupport::FrameworkEnvironment);
} // namespace

bool HostEnvironment::hasDisplay()
{
    return display->display != nullptr && display->display->isRunning();
}
