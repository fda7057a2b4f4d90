#pragma once

#include "AAX_IACFCollection.h"
#include "AAX_ICollection.h"
#include "ACF/ACFPtr.h"

#include <memory>
#include <vector>

class AAX_VEffectDescriptor;
class AAX_VPropertyMap;

// Proxy for the host's collection, made through the host's component factory for the length
// of a registration. Without the host's collection every forwarding operation answers
// AAX_ERROR_NULL_OBJECT; the descriptors and maps it makes still exist, without host objects.
class AAX_VCollection final : public AAX_ICollection
{
public:
    explicit AAX_VCollection(IACFUnknown* host);
    ~AAX_VCollection() override;

    AAX_VCollection(const AAX_VCollection&) = delete;
    AAX_VCollection& operator=(const AAX_VCollection&) = delete;

    AAX_IEffectDescriptor* NewDescriptor() override;
    // The descriptor must be one a collection made; another answers AAX_ERROR_NULL_OBJECT.
    AAX_Result AddEffect(const char* effectID, AAX_IEffectDescriptor* effectDescriptor) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    // Null, or a map a proxy made; another answers AAX_ERROR_NULL_OBJECT.
    AAX_Result SetProperties(AAX_IPropertyMap* properties) override;

    // The host's collection; null when the host made none.
    IACFUnknown* GetIUnknown() const;

private:
    ACFPtr<IACFUnknown> mHost;
    ACFPtr<AAX_IACFCollection> mIACFCollection;
    std::vector<std::unique_ptr<AAX_VEffectDescriptor>> mEffectDescriptors;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};
