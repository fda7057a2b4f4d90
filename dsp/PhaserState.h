#pragma once

#include <memory>

// The fields every phaser model shares, after its signal-chain members.
struct PhaserState
{
    bool engaged = false;
    bool lastEngaged = false;
    float depth = 0.0f;
    float coefMin = 0.0f;
    float coefMax = 0.0f;
    float coefRange = 0.0f;
    float rate = 0.0f;
    float rateSync = 0.0f;
    float mix = 0.0f;
    float feedback = 0.0f;
    float level = 0.0f;
    bool syncOn = false;
    double feedbackLeft = 0.0;
    double feedbackRight = 0.0;
    bool stereoOn = false;
    bool stereoActive = false;
    bool stereoAnnounced = true;
    std::unique_ptr<float[]> dryBufferLeft;
    std::unique_ptr<float[]> dryBufferRight;
    // 0 dry, 1 fading in, 2 effect only, 3 fading out. Until the first forceCalcParams the
    // model rests dry, with the fade of 44.1 kHz.
    int bypassState = 0;
    int bypassFadeLength = 2048;
    float bypassFadeStep = 1.0f / 2048.0f;
    float fadeWetGain = 0.0f;
    float fadeDryGain = 1.0f;
};
