// Edit > "A&rrange": the drawing, or the several selected blocks, laid out anew.
#include "editor/editor.h"

#include "render/shape_extent.h"

namespace corvix {

bool Editor::canArrange() const
{
    return arranger_ && !interaction_.operationWaiting() && state_.blockCount > 0;
}

void Editor::arrange()
{
    if (!canArrange())
        return;
    const std::vector<int32_t> chosen = selection_.several() ? selection_.blocks() : std::vector<int32_t>{};
    const Arrangement arrangement = arranger_(state_, chosen);
    if (!arrangement.arranged) {
        messages_.showMessage(arrangement.refusal, MessageIcon::Exclamation);
        return;
    }
    if (!commands_.placeBlocks(arrangement.centres))
        return;
    std::optional<Extent> arranged;
    for (const BlockCentre& c : arrangement.centres)
        if (const std::optional<Extent> shape = blockShapeExtent(state_.blocks[size_t(c.block)]))
            arranged = arranged ? arranged->include(*shape) : *shape;
    if (arranged)
        view_.showTopOf({arranged->left, arranged->top, arranged->right, arranged->bottom});
    view_.repinta_tudo();
}

} // namespace corvix
