// Writes the capacity diagram laid on the sheet as a diagram file, for whole-process
// figures of the command line: corvix --export=OUT.svg FILE under /usr/bin/time.
//
//     corvix_capacity_file FILE.fxg

#include "model/program_info.h"
#include "storage/diagram_codec.h"
#include "support/capacity_diagram.h"
#include "surfaces/qt_text_measurer.h"

#include <QGuiApplication>

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    using namespace corvix;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.fxg\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    EditorState state;
    testing::makeCapacityDiagram(state, QtTextMeasurer(), testing::CapacityLayout::OnTheSheet);
    DiagramHeader header;
    writeSignature(header);
    const std::span<const Block> blocks(state.blocks.data(), size_t(state.blockCount));
    const std::span<const Link> links(state.links.data(), size_t(state.linkCount));
    const std::optional<std::vector<uint8_t>> bytes = encodeDiagram(header, blocks, links);
    std::ofstream out(argv[1], std::ios::binary);
    if (bytes)
        out.write(reinterpret_cast<const char*>(bytes->data()), std::streamsize(bytes->size()));
    if (!bytes || !out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
