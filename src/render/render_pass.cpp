#include "render/render_pass.h"

namespace corvix {

void desenha_diagrama(RenderTarget& target, const EditorState& state, int32_t ox, int32_t oy)
{
    (void)state;
    (void)ox;
    (void)oy;
    target.Cls();
}

} // namespace corvix
