#pragma once

// First-order all-pass whose coefficient comes with every sample (a swept phaser stage).
class ModulatingAllpassFilter final
{
public:
    ModulatingAllpassFilter();

    void resetBuffer();
    void process(double& x, float g);
    void process(double& left, double& right, float gLeft, float gRight);

    // Plain state, public so that the models' block loops can keep it in registers.
    double x1Left;
    double x1Right;
    double y1Left;
    double y1Right;
};
