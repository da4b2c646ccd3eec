#pragma once
// The program's control bars: their own 8-point bar font and margins wider
// than a plain control bar's (9 left and right, 4 top and bottom).

#include <QFont>

#include "frame/TMControlBar.h"

namespace frame {

class TMControlBar2 : public TMControlBar {
    Q_OBJECT
public:
    TMControlBar2(int id, QWidget* parent, int extraTopMargin = 0);
    ~TMControlBar2() override;

    static QFont BarFont();
};

}  // namespace frame
