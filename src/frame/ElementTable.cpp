#include "frame/ElementTable.h"

namespace frame {

int SizeClampEnabled = 1;

bool IsBarElement(int id)
{
    if (id == 0 || id == resources::CM_MENU_BAR)
        return false;
    for (int element : ElementTable) {
        if (element == id)
            return true;
    }
    return false;
}

}  // namespace frame
