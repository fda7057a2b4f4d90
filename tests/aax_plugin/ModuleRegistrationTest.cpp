#include "LoadedModule.h"

#include "DynamicSymbols.h"

#include "AAX_Enums.h"
#include "AAX_UIDs.h"
#include "ACF/acfuids.h"

#include <set>
#include <string>
#include <vector>

namespace
{
using ::testing::ElementsAre;

constexpr AAX_CPropertyValue FourCharCode(const char (&code)[5])
{
    return static_cast<AAX_CPropertyValue>((uint32_t(uint8_t(code[0])) << 24) |
                                           (uint32_t(uint8_t(code[1])) << 16) |
                                           (uint32_t(uint8_t(code[2])) << 8) | uint8_t(code[3]));
}

using ModuleRegistration = aaxtest::LoadedModule;

TEST_F(ModuleRegistration, DescribesTheEffectInTheHostsCollection)
{
    const aaxhost::HostCollection& collection = *host.collections()[0];
    EXPECT_EQ(definition, static_cast<IACFPluginDefinition*>(host.collections()[0]));
    EXPECT_EQ(collection.effects()[0].first, "com.velmor.StompixZR7714");
    EXPECT_EQ(collection.manufacturer(), "Velmor");
    EXPECT_THAT(collection.packageNames(), ElementsAre("ZR7714", "Stompix ZR7714"));
    EXPECT_EQ(collection.packageVersion(), 0x00010001u);

    EXPECT_THAT(effect->calls(), ElementsAre("AddName(\"ZR7714\")", "AddName(\"Stompix ZR7714\")",
                                             "AddCategory(32)", "AddProcPtr(object, 1)",
                                             "AddProcPtr(object, 0)", "AddComponent(object)",
                                             "AddComponent(object)", "AddComponent(object)"));
    EXPECT_NE(effect->procedure(kAAX_ProcPtrID_Create_EffectParameters), nullptr);
    EXPECT_NE(effect->procedure(kAAX_ProcPtrID_Create_EffectGUI), nullptr);
}

// The three layouts, in this order, each a component with the same context record and process
// callback, and properties naming the maker, the product, the layout's own plug-in and its
// stem formats.
TEST_F(ModuleRegistration, DescribesAComponentForEachOfItsThreeLayouts)
{
    struct Layout
    {
        AAX_EStemFormat input;
        AAX_EStemFormat output;
        AAX_CPropertyValue plugInID;
    };
    const Layout layouts[] = {
        {AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo, FourCharCode("Vz22")},
        {AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo, FourCharCode("Vz12")},
        {AAX_eStemFormat_Mono, AAX_eStemFormat_Mono, FourCharCode("Vz11")}};
    ASSERT_EQ(effect->components().size(), 3u);
    for (std::size_t index = 0; index < 3; ++index)
    {
        const aaxhost::HostComponentDescriptor* component = effect->components()[index];
        ASSERT_NE(component, nullptr);
        EXPECT_THAT(component->calls(),
                    ElementsAre("AddAudioIn(0)", "AddAudioOut(1)", "AddAudioBufferLength(2)",
                                "AddDataInPort(3, 4, 1)", "AddPrivateData(4, 8, 0)",
                                "AddPrivateData(5, 4, 0)",
                                "AddProcessProc_Native(proc, map, null, null, null)"));
        EXPECT_EQ(component->nativeProcessProc(), effect->components()[0]->nativeProcessProc());
        ASSERT_NE(component->properties(), nullptr);
        EXPECT_THAT(
            component->properties()->properties(),
            ElementsAre(std::make_pair(AAX_eProperty_ManufacturerID, FourCharCode("VLM_")),
                        std::make_pair(AAX_eProperty_ProductID, FourCharCode("Vzr7")),
                        std::make_pair(AAX_eProperty_PlugInID_Native, layouts[index].plugInID),
                        std::make_pair(AAX_eProperty_InputStemFormat, layouts[index].input),
                        std::make_pair(AAX_eProperty_OutputStemFormat, layouts[index].output),
                        std::make_pair(AAX_eProperty_CanBypass, 1)))
            << "layout " << index;
    }
}

TEST_F(ModuleRegistration, AnswersTheOtherEntryPoints)
{
    uint64_t version = 0;
    EXPECT_EQ(module.getSDKVersion(&version), AAX_SUCCESS);
    EXPECT_EQ(version, 0x0000020200B45B38ull);
    void* factory = &version;
    EXPECT_EQ(module.getClassFactory(host.unknown(), IID_IACFUnknown, IID_IACFUnknown, &factory),
              AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(factory, nullptr);
    IACFComponentDefinition* component = nullptr;
    EXPECT_EQ(module.registerComponent(host.unknown(), 0, &component), AAX_SUCCESS);
    EXPECT_EQ(component, nullptr);
}

// Nothing of the framework or the processor is visible to the host or to libraries loaded
// after the module.
TEST(ModuleExports, AreTheSevenEntryPointsAlone)
{
    std::string error;
    const auto exported = testsupport::definedDynamicSymbols(STOMPIX_AAX_MODULE_PATH, error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(exported, (std::set<std::string>{"ACFRegisterPlugin", "ACFRegisterComponent",
                                               "ACFGetClassFactory", "ACFCanUnloadNow",
                                               "ACFStartup", "ACFShutdown", "ACFGetSDKVersion"}));
}

// The GUI knows the editor's size once it is initialised; a container without a window gets no
// view. The module's objects count as live until the host releases them; then it may unload.
TEST_F(ModuleRegistration, AGuiWithoutAWindowHasNoViewAndTheModuleCountsItsObjects)
{
    aaxhost::EffectInstance& instance = newInstance();
    EXPECT_EQ(module.canUnloadNow(host.unknown()), 1);
    ASSERT_EQ(instance.createGui(), AAX_SUCCESS);
    EXPECT_EQ(module.canUnloadNow(host.unknown()), 2);

    AAX_Point size{-1.0f, -1.0f};
    EXPECT_EQ(instance.gui().GetViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(size.horz, 325.0f);
    EXPECT_EQ(size.vert, 454.0f);

    aaxhost::HostViewContainer& container = host.newViewContainer();
    container.setView(AAX_eViewContainer_Type_XWindow, nullptr);
    EXPECT_EQ(instance.gui().SetViewContainer(container.unknown()), AAX_SUCCESS);
    EXPECT_TRUE(container.sizes().empty());
    EXPECT_EQ(instance.gui().ParameterUpdated("2"), AAX_SUCCESS);
    instance.idle();
    EXPECT_EQ(instance.gui().SetViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_TRUE(container.balanced());

    instance.releaseGui();
    EXPECT_EQ(module.canUnloadNow(host.unknown()), 1);
}
} // namespace
