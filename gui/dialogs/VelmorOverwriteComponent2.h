#pragma once

#include "VelmorOverwriteComponent.h"

// The save-as browser's overwrite question: OK also closes the browser it lies over.
class VelmorOverwriteComponent2 final : public VelmorOverwriteComponent
{
public:
    using VelmorOverwriteComponent::VelmorOverwriteComponent;

    void okButtonClicked() override;
};
