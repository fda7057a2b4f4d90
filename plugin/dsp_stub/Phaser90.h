#pragma once
#include "ModuleModel.h"
class Phaser90 : public ModuleModel { public: Phaser90() { id = 90; } };
