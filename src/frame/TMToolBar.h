#pragma once
// The tool bar: Play (glyph 7722, command 7873), Pause and Stop; Circulate and
// Repeat; Add to Album, Remove and Delete.

#include "frame/TMControlBar2.h"

namespace frame {

class TMToolBar : public TMControlBar2 {
    Q_OBJECT
public:
    explicit TMToolBar(QWidget* parent);
    ~TMToolBar() override;
};

}  // namespace frame
