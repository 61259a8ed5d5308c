#pragma once

#include "model/ui_port.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace corvix {

// A scripted UiPort: records every request, messages in English, and answers questions from a queue. A
// question with no answer queued fails the test and is answered No.
class FakeUi final : public UiPort {
public:
    struct Message {
        std::string text;
        MessageIcon icon = MessageIcon::None;
        bool operator==(const Message&) const = default;
    };
    struct PointerChange {
        Pointer pointer = Pointer::Default;
        BlockKind kind = BlockKind::None;
        bool operator==(const PointerChange&) const = default;
    };

    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::vector<PointerChange> pointers;
    std::vector<bool> mainMenusEnabled;    // every call, in order
    std::vector<CommandStates> commandStates;
    int32_t paperChecked = -1;             // the item with the check mark, -1 none yet
    int canvasRefreshes = 0;
    int scrollBarChanges = 0;
    std::vector<bool> kindPanelVisible;
    std::vector<std::string> textDialogs;  // the text each opening showed
    std::vector<int32_t> panTimerStarts;    // the interval of each start of the pan timer
    bool panTimerRunning = false;
    std::function<void()> onMessage;        // runs while a message is open, e.g. timer ticks

    void showMessage(const corvix::Message& message, MessageIcon icon) override
    {
        messages.push_back({englishText(message), icon});
        if (onMessage)
            onMessage();
    }

    bool askYesNo(const corvix::Message& question) override
    {
        const std::string text = englishText(question);
        questions.push_back(text);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void setPointer(Pointer pointer, BlockKind kind = BlockKind::None) override { pointers.push_back({pointer, kind}); }
    void setMainMenusEnabled(bool enabled) override { mainMenusEnabled.push_back(enabled); }
    void setCommandStates(const CommandStates& states) override { commandStates.push_back(states); }
    void setPaperChecked(int32_t index) override { paperChecked = index; }
    void refreshCanvas() override { ++canvasRefreshes; }
    void scrollBarsChanged() override { ++scrollBarChanges; }
    void showKindPanel(bool visible) override { kindPanelVisible.push_back(visible); }
    void openTextDialog(const std::string& cp1252Text) override { textDialogs.push_back(cp1252Text); }

    void startPanTimer(int32_t milliseconds) override
    {
        panTimerStarts.push_back(milliseconds);
        panTimerRunning = true;
    }
    void stopPanTimer() override { panTimerRunning = false; }

    // The pointer the screen shows now.
    Pointer currentPointer() const { return pointers.empty() ? Pointer::Default : pointers.back().pointer; }
    // The four main menus as the last call left them.
    bool menusEnabled() const { return mainMenusEnabled.empty() || mainMenusEnabled.back(); }
};

} // namespace corvix
