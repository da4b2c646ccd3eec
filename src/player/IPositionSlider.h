#pragma once
// The position slider as the player uses it: a value in ten-thousandths of the
// song that the slider keeps inside its range. The position bar implements it.

namespace player {

class IPositionSlider {
public:
    virtual ~IPositionSlider() = default;
    virtual int GetPosition() const = 0;
    // The slider clamps the value into its range.
    virtual void SetPosition(int position) = 0;
    virtual void GetRange(int& minValue, int& maxValue) const = 0;
    virtual int GetLineMagnitude() const = 0;
    virtual void EnableWindow(bool enabled) = 0;
    virtual bool IsWindowEnabled() const = 0;
};

}  // namespace player
