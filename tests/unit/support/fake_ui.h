#pragma once
// A scripted UiPort for core tests: records every call, answers questions from a queue.

#include "model/ui_port.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace corvix::test {

struct ShownMessage {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    bool operator==(const ShownMessage&) const = default;
};

class FakeUi final : public UiPort {
public:
    void showMessage(const std::string& text, MessageIcon icon) override { messages.push_back({text, icon}); }

    bool askYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void setPointer(Pointer p, int32_t kind) override
    {
        pointer = p;
        pointerKind = kind;
    }
    void setMainMenusEnabled(bool enabled) override { menuCalls.push_back(enabled); }
    void setCommandStates(const CommandStates& states) override { commands.push_back(states); }
    void setPaperChecked(int32_t index) override { paperChecked = index; }
    void refreshCanvas() override { ++refreshes; }
    void scrollBarsChanged() override { ++scrollBarUpdates; }
    void showKindPanel(bool visible) override { panelCalls.push_back(visible); }
    void openTextDialog(const std::string& cp1252Text) override { dialogTexts.push_back(cp1252Text); }
    void processEvents() override
    {
        ++eventPasses;
        if (onProcessEvents)
            onProcessEvents();
    }

    bool menusEnabled() const { return menuCalls.empty() || menuCalls.back(); }

    std::vector<ShownMessage> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    Pointer pointer = Pointer::Default;
    int32_t pointerKind = 0;
    std::vector<bool> menuCalls;
    std::vector<CommandStates> commands;
    int32_t paperChecked = -1;
    int refreshes = 0;
    int scrollBarUpdates = 0;
    std::vector<bool> panelCalls;
    std::vector<std::string> dialogTexts;
    int eventPasses = 0;
    std::function<void()> onProcessEvents;
};

} // namespace corvix::test
