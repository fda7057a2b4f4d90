#include "Velmor4StateButton3PDT.h"

Velmor4StateButton3PDT::Velmor4StateButton3PDT(const juce::String& name) : Velmor4StateButton(name)
{
}

void Velmor4StateButton3PDT::paintButton(juce::Graphics& g, bool, bool isButtonDown)
{
    const int frame =
        getClickingTogglesState() ? (getToggleState() ? 2 : 0) + (isButtonDown ? 1 : 0) : 0;
    drawFrameAtStateOpacity(g, frame);
}
