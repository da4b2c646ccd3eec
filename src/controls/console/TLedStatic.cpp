#include "controls/console/TLedStatic.h"

TLedStatic::TLedStatic(QWidget* parent, int id, std::uint16_t format, std::uint16_t capacity)
    : TColorStatic(parent, id, kBackground, kText, format, capacity)
{
}
