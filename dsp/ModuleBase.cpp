#include "ModuleBase.h"

ModuleBase::ModuleBase()
{
    name = "ModuleBase";
}

void ModuleBase::process(double&) {}

void ModuleBase::process(double&, double&) {}
