#pragma once
// A console control: light cyan on black.

#include "controls/console/TColorStatic.h"

class TLedStatic : public TColorStatic {
    Q_OBJECT
public:
    static constexpr QColor kBackground{0, 0, 0};
    static constexpr QColor kText{0, 255, 255};

    TLedStatic(QWidget* parent, int id, std::uint16_t format, std::uint16_t capacity);
};
