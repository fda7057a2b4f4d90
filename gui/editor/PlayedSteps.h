#pragma once

// The switch and the tempo knob snap to their nearest step, but the audio path plays the step
// that rounds up: a host value between two steps would show the step below what plays. These
// give the control value of the step that plays.
namespace PlayedSteps
{

// 0, 0.5 or 1: the model ceil(2 x phaserType) plays, as the model switch shows it. A value
// outside 0..1 counts as the nearer end, a NaN as 0.
double typeSwitchValue(float phaserType);

// k x the tempo knob's interval, for the note value k (0 to 18) that rateSync selects.
double tempoKnobValue(float rateSync);

// The tempo knob replaces the rate knob only while sync is above 0; a negative or NaN value
// from a host shows the rate knob.
bool showsTempoKnob(float sync);

// A knob's value for a host value: NaN as 0, anything else within 0..1.
double knobValue(float value);

} // namespace PlayedSteps
