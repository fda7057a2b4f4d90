#pragma once

// First-order all-pass with a fixed coefficient, separate memory per channel.
class AllpassFilter final
{
public:
    AllpassFilter();

    void setGainCoeff(float g);
    void resetCoeffs();
    void resetBuffer();
    void process(double& x);
    void process(double& left, double& right);

    // Plain state, public so that the models' block loops can keep it in registers.
    float gainCoeff;
    double x1Left;
    double x1Right;
    double y1Left;
    double y1Right;
};
