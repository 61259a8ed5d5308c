#pragma once

#include "model/ui_port.h"

namespace corvix {

class DesktopDialogs;
class MainWindow;

// The editor core's view of the desktop, carried out on the editor window.
class QtUiPort final : public UiPort {
public:
    QtUiPort(MainWindow& window, DesktopDialogs& dialogs);
    ~QtUiPort() override;

    void showMessage(const Message& message, MessageIcon icon) override;
    bool askYesNo(const Message& question) override;
    bool askYesNoDefaultNo(const Message& question) override;
    void setPointer(Pointer pointer, BlockKind kind) override;
    void setMainMenusEnabled(bool enabled) override;
    void setCommandStates(const CommandStates& states) override;
    void setPaperChecked(int32_t index) override;
    void refreshCanvas() override;
    void scrollBarsChanged() override;
    void showKindPanel(bool visible) override;
    void openTextDialog(const std::string& cp1252Text) override;
    void startPanTimer(int32_t milliseconds) override;
    void stopPanTimer() override;

private:
    MainWindow& window_;
    DesktopDialogs& dialogs_;
    bool pointerOverridden_ = false;
};

} // namespace corvix
