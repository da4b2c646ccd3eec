#include "controls/TEasyLB.h"

QByteArray TEasyLB::sharedText_;

TEasyLB::TEasyLB(QWidget* parent) : TODListBox(parent) {}

const char* TEasyLB::GetItemText(int index) const
{
    sharedText_.clear();
    if (index < 0 || GetStringLen(index) < 0)
        return nullptr;
    sharedText_ = GetStringBytes(index);
    return sharedText_.constData();
}

int TEasyLB::MoveSelected(int offset)
{
    const int sel = GetSelIndex();
    if (sel < 0)
        return -1;
    const long long target = static_cast<long long>(sel) + offset;
    if (target < 0 || target >= GetCount())
        return -1;
    const QByteArray line = GetStringBytes(sel);
    if (DeleteString(sel) < 0)
        return -1;
    if (InsertString(line.constData(), static_cast<int>(target)) < 0) {
        InsertString(line.constData(), sel);
        SetSelIndex(sel);
        return -1;
    }
    SetSelIndex(static_cast<int>(target));
    return 0;
}
