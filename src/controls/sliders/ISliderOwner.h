#pragma once
// Receives a slider's scroll codes, after the slider has applied them to its
// position (GetPosition already reflects the code).

class ISliderOwner {
public:
    virtual ~ISliderOwner() = default;
    virtual void SliderScrolled(int sliderId, int scrollCode) = 0;
};
