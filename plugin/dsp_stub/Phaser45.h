#pragma once
#include "ModuleModel.h"
class Phaser45 : public ModuleModel { public: Phaser45() { id = 45; } };
