#include "support/ScriptedMessageBoxes.h"

#include <utility>

using namespace platform;

ScriptedMessageBoxes::ScriptedMessageBoxes() : previous_(&CurrentMessageService())
{
    SetMessageService(this);
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    SetMessageService(previous_);
}

void ScriptedMessageBoxes::clear()
{
    boxes_.clear();
    beeps_.clear();
    order_.clear();
}

void ScriptedMessageBoxes::beep(std::uint32_t type)
{
    beeps_.push_back(type);
    order_.push_back('B');
}

int ScriptedMessageBoxes::messageBox(QWidget* owner, const QString& text, const QString& caption,
                                     std::uint32_t style)
{
    boxes_.push_back({owner, text, caption, style});
    order_.push_back('M');
    if (whileOpen_)
        std::exchange(whileOpen_, nullptr)();
    if (answers_.empty())
        return defaultAnswer(style);
    const int id = answers_.front();
    answers_.pop_front();
    return id;
}

int ScriptedMessageBoxes::defaultAnswer(std::uint32_t style)
{
    const std::uint32_t def = (style & MB_DEFMASK) >> 8;
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: return def == 1 ? IDCANCEL : IDOK;
    case MB_YESNO: return def == 1 ? IDNO : IDYES;
    case MB_YESNOCANCEL: return def == 0 ? IDYES : (def == 1 ? IDNO : IDCANCEL);
    default: return IDOK;
    }
}
