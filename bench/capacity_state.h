#pragma once
// The diagram at the tables' capacity that every benchmark measures, sized with the
// editor's own font.

#include "model/editor_state.h"
#include "support/capacity_diagram.h"
#include "surfaces/qt_text_measurer.h"

namespace corvix {

inline const EditorState& capacityDiagram()
{
    static const EditorState state = [] {
        EditorState s;
        testing::makeCapacityDiagram(s, QtTextMeasurer());
        s.programNotice = "corvix - drawn with Corvix, the flowchart editor";
        return s;
    }();
    return state;
}

} // namespace corvix
