#pragma once
#include "ModuleModel.h"
class Phaser100 : public ModuleModel { public: Phaser100() { id = 100; } };
