#pragma once

#include "EffectInstance.h"
#include "PluginModule.h"
#include "TestHost.h"

#include "AAX_CString.h"
#include "AAX_Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace aaxtest
{
// The sample rate the test host's controllers report to the module.
inline constexpr float moduleSampleRate = 48000.0f;

// The built module as a host runs it: loaded, started and registered before each test; after
// it, every instance released, the module asked whether it may unload, and shut down. Every
// reference the module took on a host object must be back by then.
class LoadedModule : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(module.loaded()) << module.error();
        ASSERT_EQ(module.startup(host.unknown()), AAX_SUCCESS);
        ASSERT_EQ(module.registerPlugin(host.unknown(), &definition), AAX_SUCCESS);
        ASSERT_NE(definition, nullptr);
        ASSERT_EQ(host.collections().size(), 1u);
        ASSERT_EQ(host.collections()[0]->effects().size(), 1u);
        effect = host.collections()[0]->effects()[0].second;
        ASSERT_NE(effect, nullptr);
    }

    void TearDown() override
    {
        instances.clear();
        if (definition != nullptr)
            definition->Release();
        EXPECT_EQ(module.canUnloadNow(host.unknown()), 0);
        EXPECT_EQ(module.shutdown(host.unknown()), AAX_SUCCESS);
        EXPECT_THAT(host.unbalancedObjects(), ::testing::IsEmpty());
    }

    // A new instance on the component of the given index (0: stereo, 1: mono to stereo,
    // 2: mono), its data model made and initialised.
    aaxhost::EffectInstance& newInstance(std::size_t component = 0, double tempo = 120.0)
    {
        instances.push_back(std::make_unique<aaxhost::EffectInstance>(
            host, *effect, *effect->components().at(component), moduleSampleRate));
        aaxhost::EffectInstance& instance = *instances.back();
        instance.host().transport().setTempo(tempo);
        EXPECT_EQ(instance.createDataModel(), AAX_SUCCESS);
        return instance;
    }

    static std::string TextOf(const std::function<AAX_Result(AAX_IString*)>& call)
    {
        AAX_CString text;
        EXPECT_EQ(call(&text), AAX_SUCCESS);
        return text.Get();
    }

    aaxhost::PluginModule module{STOMPIX_AAX_MODULE_PATH};
    aaxhost::TestHost host;
    IACFPluginDefinition* definition = nullptr;
    aaxhost::HostEffectDescriptor* effect = nullptr;
    std::vector<std::unique_ptr<aaxhost::EffectInstance>> instances;
};
} // namespace aaxtest
