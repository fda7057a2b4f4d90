#include "ModuleModel.h"

#include <cstring>

ModuleModel::ModuleModel()
{
    name = "ModuleModel";
    expectedSampleFrame = 0;
}

ModuleModel::~ModuleModel() = default;

void ModuleModel::process(float*, int) {}

void ModuleModel::process(float*, float*, int) {}

void ModuleModel::setInputsUsed(int inputs)
{
    inputsUsed = inputs;
}

int ModuleModel::getInputsUsed() const
{
    return inputsUsed;
}

void ModuleModel::setOutputsUsed(int outputs)
{
    outputsUsed = outputs;
}

int ModuleModel::getOutputsUsed() const
{
    return outputsUsed;
}

bool ModuleModel::isContainer() const
{
    return false;
}

void ModuleModel::setFloorId(int newFloorId)
{
    floorId = newFloorId;
}

int ModuleModel::getFloorId() const
{
    return floorId;
}

void ModuleModel::setColumn(int newColumn)
{
    column = newColumn;
}

int ModuleModel::getColumn() const
{
    return column;
}

bool ModuleModel::isUiNeedsUpdate() const
{
    return uiNeedsUpdate;
}

void ModuleModel::requestUiNeedsUpdate()
{
    uiNeedsUpdate = true;
}

void ModuleModel::clearUiNeedsUpdate()
{
    uiNeedsUpdate = false;
}

void ModuleModel::processBlock(float* in, float* out, int count)
{
    if (count < 0)
        return;
    if (getInputsUsed() == 2)
    {
        process(in, out, count);
    }
    else if (getInputsUsed() == 1)
    {
        process(in, count);
        if (count > 0)
            std::memcpy(out, in, static_cast<size_t>(count) * sizeof(float));
    }
}
