#pragma once
// The diagrams at the tables' capacity that the benchmarks measure, sized with the
// editor's own font: spread over and beyond the sheet, or every block on it.

#include "model/editor_state.h"
#include "support/capacity_diagram.h"
#include "surfaces/qt_text_measurer.h"

namespace corvix {

inline EditorState makeCapacityState(testing::CapacityLayout layout)
{
    EditorState s;
    testing::makeCapacityDiagram(s, QtTextMeasurer(), layout);
    s.programNotice = "corvix - drawn with Corvix, the flowchart editor";
    return s;
}

inline const EditorState& capacityDiagram()
{
    static const EditorState state = makeCapacityState(testing::CapacityLayout::AroundTheSheet);
    return state;
}

inline const EditorState& wholeDrawingOnTheSheet()
{
    static const EditorState state = makeCapacityState(testing::CapacityLayout::OnTheSheet);
    return state;
}

} // namespace corvix
