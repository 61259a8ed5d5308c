#pragma once
// A DocumentSession over a plain EditorState that records what a load applies, for tests
// of the file procedures without an editor.

#include "editor/document_session.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace corvix {

class RecordingSession final : public DocumentSession {
public:
    explicit RecordingSession(EditorState& state)
        : state_(state)
    {
    }

    std::vector<int32_t> papers;
    std::vector<std::pair<int32_t, int32_t>> views;
    int replacedCalls = 0;  // diagramReplaced: the load went through
    int cancelCalls = 0;    // cancela_operacao: the load was refused

    EditorState& state() override { return state_; }
    void applyPaper(int32_t paperType) override { papers.push_back(paperType); }
    void restoreView(int32_t scrollX, int32_t scrollY) override { views.emplace_back(scrollX, scrollY); }
    void diagramReplaced() override { ++replacedCalls; }
    void enableMenus() override {}
    void disableMenus() override {}
    void clearDrawing() override {}
    void cancelOperation() override { ++cancelCalls; }
    void repaint() override {}
    ViewPosition viewPosition() const override { return {}; }
    void markSaved() override {}
    void forgetSavedState() override {}
    double nowSeconds() const override { return 0; }
    void setTickTail(std::function<void(double)>) override {}
    bool importDrawing(DiagramFragment) override { return false; }

private:
    EditorState& state_;
};

} // namespace corvix
