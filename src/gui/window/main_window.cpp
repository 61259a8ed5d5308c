#include "window/main_window.h"

#include "dialogs/desktop_dialogs.h"
#include "dialogs/text_dialog.h"
#include "layout/arrange.h"
#include "model/program_info.h"
#include "surfaces/text_convert.h"
#include "view/viewport.h"
#include "window/find_bar.h"
#include "window/kind_panel.h"
#include "window/problems_panel.h"
#include "window/scroll_bars.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyleHints>

#include <QMenuBar>

#include <algorithm>

namespace corvix {

namespace {

constexpr int kBarThickness = Viewport::kBarThickness;
constexpr int kTimerIntervalMs = 100;

// A file of the program's own folder. Appended rather than concatenated: GCC 12 at -O3
// warns falsely (-Wrestrict) on the concatenation of two temporaries.
std::string programFile(const EditorState& state, std::string_view name)
{
    std::string path = state.programDir;
    path += name;
    return path;
}
constexpr QSize kStartSize(700, 500);

// Canto: fills the corner between the two bars.
QPixmap cornerPicture()
{
    QPixmap picture(16, 16);
    picture.fill(QColor(212, 208, 200));
    QPainter p(&picture);
    for (int i = 0; i < 3; ++i) {
        const int d = 4 + 4 * i;
        p.setPen(Qt::white);
        p.drawLine(15 - d, 15, 15, 15 - d);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(16 - d, 15, 15, 16 - d);
    }
    return picture;
}

int16_t toInt16(int value)
{
    return int16_t(std::clamp(value, -32768, 32767));
}

} // namespace

MainWindow::MainWindow(EditorState& state, DesktopDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , state_(state)
    , dialogs_(dialogs)
    , canvas_(new CanvasWidget(*this, canvasSurface_))
    , ui_(*this, dialogs)
    , editor_(state, ui_, canvasSurface_, windowFont_)
    , files_(editor_, ui_, *this, programFile(state, kHistoryFileName), programFile(state, kRecoveryFileName),
             executableBaseName())
    , recovery_(editor_, ui_, files_, recoveryLocks_)
    , keyPreview_(*this, *this)
    , timer_(this)
{
    setObjectName(QStringLiteral("Form1"));
    exposeBlocks(*canvas_, *this);
    createClientArea();
    createActions();
    createMenus();
    // Qt's own popup over the menu bar, the panel and the find bar would show and hide
    // them past the menus' rules, also while an operation waits.
    setContextMenuPolicy(Qt::NoContextMenu);

    textDialog_ = new TextDialog(dialogs_, this);
    connect(textDialog_, &TextDialog::textAccepted, this,
            [this](const QString& text) { editor_.textDialogOk(toCp1252Lines(text)); });
    connect(textDialog_, &QDialog::finished, this, &MainWindow::textDialogFinished);

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(kTimerIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { editor_.Timer1_Timer(); });
    panTimer_.setTimerType(Qt::PreciseTimer);
    connect(&panTimer_, &QTimer::timeout, this, [this] { editor_.panTimerTick(); });

    editor_.setArranger([](const EditorState& drawing, std::span<const int32_t> which) {
        return layout::arrangeBlocks(drawing, which);
    });
    editor_.setDragDistance(QApplication::startDragDistance());
    connect(QGuiApplication::styleHints(), &QStyleHints::startDragDistanceChanged, this,
            [this](int distance) { editor_.setDragDistance(distance); });
}

MainWindow::~MainWindow() = default;

void MainWindow::createClientArea()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setMinimumSize(120, 90);
    client->installEventFilter(this);
    setCentralWidget(client);

    canvas_->setParent(client);
    hScroll_ = new QScrollBar(Qt::Horizontal, client);
    hScroll_->setObjectName(QStringLiteral("HScroll1"));
    vScroll_ = new QScrollBar(Qt::Vertical, client);
    vScroll_->setObjectName(QStringLiteral("VScroll1"));
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(1);
        bar->setPageStep(60);
    }
    // Dragging the thumb and every other move of a bar do the same: the view follows.
    connect(hScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { editor_.HScroll1_Change(toInt16(value)); });
    connect(vScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { editor_.VScroll1_Change(toInt16(value)); });

    corner_ = new QLabel(client);
    corner_->setObjectName(QStringLiteral("Canto"));
    corner_->setPixmap(cornerPicture());
    corner_->setFixedSize(16, 16);

    kindPanel_ = new KindPanel(client);
    kindPanel_->move(8, 8);
    kindPanel_->hide();
    connect(kindPanel_, &KindPanel::kindChosen, this, [this](int index) { editor_.SelBloco_Click(int16_t(index)); });
    connect(kindPanel_, &KindPanel::cancelled, this, [this] { editor_.Form_KeyPress(keys::Esc); });
    keyPreview_.giveKeysTo(*kindPanel_);

    // Both shrink the central widget when shown, so the canvas takes the change as a resize.
    problems_ = new ProblemsPanel(state_, this);
    addDockWidget(Qt::BottomDockWidgetArea, problems_);
    problems_->hide();
    connect(problems_, &ProblemsPanel::blockChosen, this, [this](int index) { editor_.selectBlock(index); });
    keyPreview_.giveKeysTo(*problems_);
    findBar_ = new FindBar(this);
    addToolBar(Qt::BottomToolBarArea, findBar_);
    findBar_->hide();
    connect(findBar_, &FindBar::findRequested, this, &MainWindow::findNext);
    connect(findBar_, &FindBar::closed, this, [this] { canvas_->setFocus(); });
    keyPreview_.giveKeysTo(*findBar_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        layoutClientArea();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::layoutClientArea()
{
    const int w = centralWidget()->width();
    const int h = centralWidget()->height();
    if (isMinimized()) {
        editor_.Form_Resize(w, h, true);
        return;
    }
    canvas_->setGeometry(0, 0, w - kBarThickness, h - kBarThickness);
    vScroll_->setGeometry(w - kBarThickness, 0, kBarThickness, h - kBarThickness);
    hScroll_->setGeometry(0, h - kBarThickness, w - kBarThickness, kBarThickness);
    corner_->move(w - corner_->width(), h - corner_->height());
    corner_->raise();
    kindPanel_->raise();
    const double ratio = canvas_->devicePixelRatioF();
    canvasSurface_.resize(canvas_->size(), ratio);
    editor_.zoom().setDeviceRatio(ratio);
    editor_.Form_Resize(w, h, false);
}

void MainWindow::rememberLayoutIn(const QString& settingsFile)
{
    layout_ = RememberedLayout(settingsFile);
}

void MainWindow::centreOnScreen()
{
    const QRect screen = this->screen()->geometry();
    const QSize frame = frameGeometry().size().expandedTo(size());
    move(screen.x() + (screen.width() - frame.width()) / 2, screen.y() + (screen.height() - frame.height()) / 2);
}

void MainWindow::load(const std::string& commandLine)
{
    files_.le_historico();
    if (!layout_.restore(*this)) {
        resize(kStartSize);
        centreOnScreen();
    }
    // The first layout happens now, so the paper and the view below see the real size.
    layout()->activate();
    layoutClientArea();
    editor_.mtippapel_Click(0);
    recovery_.start();
    editor_.limpa_desenho();
    if (!recovery_.offerAtStart())
        files_.openAtStart(commandLine);
    editor_.cancelOperation();
    timer_.start();
    canvas_->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!files_.pode_descartar()) {
        event->ignore();
        return;
    }
    timer_.stop();
    layout_.save(*this);
    // Reached only when the window really closes: after No above, the work is still
    // unsaved and the recovery file is all that a crash would leave of it.
    recovery_.removeFile();
    event->accept();
}

void MainWindow::refreshCanvas()
{
    canvas_->update();
    problems_->drawingMayHaveChanged();
    switchEditAndView();
    refreshEditCommands();
    announceBlockChanges(*canvas_);
}

void MainWindow::mirrorScrollBars()
{
    const Viewport& view = editor_.viewport();
    const QSignalBlocker blockH(hScroll_);
    const QSignalBlocker blockV(vScroll_);
    mirrorScrollBar(*hScroll_, view.hScroll());
    mirrorScrollBar(*vScroll_, view.vScroll());
}

void MainWindow::showKindPanel(bool visible)
{
    const bool hadKeys = kindPanel_->isAncestorOf(focusWidget());
    kindPanel_->setVisible(visible);
    if (visible) {
        kindPanel_->raise();
        kindPanel_->takeKeys();
    } else if (hadKeys) {
        canvas_->setFocus();
    }
}

void MainWindow::openTextDialog(const std::string& cp1252Text)
{
    centralWidget()->setEnabled(false);
    menuBar()->setEnabled(false);
    textDialog_->editText(fromCp1252Lines(cp1252Text));
}

void MainWindow::textDialogFinished()
{
    centralWidget()->setEnabled(true);
    menuBar()->setEnabled(true);
    editor_.textDialogClosed();
    activateWindow();
    canvas_->setFocus();
}

void MainWindow::canvasPressed(MouseButton button, KeyModifiers modifiers, QPointF pos)
{
    editor_.Diagrama_MouseDown(button, modifiers, float(pos.x()), float(pos.y()));
}

void MainWindow::canvasMoved(MouseButton buttons, KeyModifiers modifiers, QPointF pos)
{
    editor_.Diagrama_MouseMove(buttons, modifiers, float(pos.x()), float(pos.y()));
}

void MainWindow::canvasReleased(MouseButton button, KeyModifiers modifiers, QPointF pos)
{
    editor_.Diagrama_MouseUp(button, modifiers, float(pos.x()), float(pos.y()));
}

void MainWindow::canvasDoubleClicked()
{
    editor_.Diagrama_DblClick();
}

void MainWindow::canvasWheel(int32_t notches, KeyModifiers modifiers, QPointF pos)
{
    editor_.wheelTurned(notches, modifiers, float(pos.x()), float(pos.y()));
    showZoom();
}

void MainWindow::canvasRatioChanged()
{
    layoutClientArea();
}

void MainWindow::keyDown(int16_t& keyCode, KeyModifiers modifiers)
{
    editor_.Form_KeyDown(keyCode, modifiers);
}

void MainWindow::keyPress(int16_t keyAscii)
{
    editor_.Form_KeyPress(keyAscii);
}

void MainWindow::keyUp(int16_t keyCode, KeyModifiers modifiers)
{
    editor_.Form_KeyUp(keyCode, modifiers);
}

void MainWindow::keyboardLost()
{
    editor_.windowDeactivated();
}

void MainWindow::startPanTimer(int32_t milliseconds)
{
    panTimer_.start(milliseconds);
}

void MainWindow::stopPanTimer()
{
    panTimer_.stop();
}

} // namespace corvix
