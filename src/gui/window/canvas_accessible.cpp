#include "window/canvas_accessible.h"

#include "window/canvas_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <memory>
#include <vector>

namespace corvix {

namespace {

const char* const kBlocksProperty = "corvixCanvasBlocks";

AnnouncementSink announcementSink = nullptr;

void announceEvent(QAccessibleEvent* event)
{
    if (announcementSink)
        announcementSink(event);
    else
        QAccessible::updateAccessibility(event);
}

const CanvasBlocks* blocksOf(const QObject* canvas)
{
    return static_cast<const CanvasBlocks*>(canvas->property(kBlocksProperty).value<const void*>());
}

class CanvasAccessible;

// One block, read afresh from the drawing on every question.
class BlockAccessible final : public QAccessibleInterface {
public:
    BlockAccessible(CanvasAccessible& canvas, int index)
        : canvas_(canvas)
        , index_(index)
    {
    }

    int index() const { return index_; }
    const CanvasAccessible& canvas() const { return canvas_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    CanvasAccessible& canvas_;
    int index_;
};

// The canvas: its children are the blocks, its focused child the selected block.
class CanvasAccessible final : public QAccessibleWidget {
public:
    explicit CanvasAccessible(QWidget* canvas)
        : QAccessibleWidget(canvas, QAccessible::Client)
    {
    }

    ~CanvasAccessible() override { forgetChildrenFrom(0); }

    const CanvasBlocks* blocks() const { return blocksOf(object()); }
    QWidget* canvas() const { return widget(); }

    int childCount() const override { return blocks() ? blocks()->blockCount() : 0; }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Children live in Qt's cache of interfaces, by id, as the items of Qt's own views do.
        auto& self = const_cast<CanvasAccessible&>(*this);
        if (size_t(index) >= self.children_.size())
            self.children_.resize(size_t(index) + 1, 0);
        QAccessible::Id& id = self.children_[size_t(index)];
        if (QAccessibleInterface* made = id ? QAccessible::accessibleInterface(id) : nullptr)
            return made;
        auto* made = new BlockAccessible(self, index);
        id = QAccessible::registerAccessibleInterface(made);
        return made;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* block = dynamic_cast<const BlockAccessible*>(child);
        return block && &block->canvas() == this && block->isValid() ? block->index() : -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        const int selected = blocks() ? blocks()->selectedBlock() : -1;
        return canvas()->hasFocus() ? child(selected) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = canvas()->mapFromGlobal(QPoint(x, y));
        for (int i = childCount() - 1; i >= 0; --i) {
            if (blocks()->blockRect(i).contains(at))
                return child(i);
        }
        return nullptr;
    }

    // Called after every repaint.
    void announce()
    {
        const CanvasBlocks* b = blocks();
        if (!b)
            return;
        const int count = b->blockCount();
        if (count != announcedCount_) {
            forgetChildrenFrom(count);
            announcedCount_ = count;
            QAccessibleEvent reorder(canvas(), QAccessible::ObjectReorder);
            announceEvent(&reorder);
        }
        const int selected = b->selectedBlock();
        const QString name = selected >= 0 ? b->blockName(selected) : QString();
        const QString description = selected >= 0 ? b->blockDescription(selected) : QString();
        if (selected >= 0 && selected == announcedSelected_) {
            if (name != announcedName_)
                sendForChild(QAccessible::NameChanged, selected);
            if (description != announcedDescription_)
                sendForChild(QAccessible::DescriptionChanged, selected);
        } else if (selected >= 0) {
            sendForChild(QAccessible::Focus, selected);
        }
        announcedSelected_ = selected;
        announcedName_ = name;
        announcedDescription_ = description;
    }

private:
    void sendForChild(QAccessible::Event type, int index)
    {
        QAccessibleEvent event(canvas(), type);
        event.setChild(index);
        announceEvent(&event);
    }

    void forgetChildrenFrom(int count)
    {
        for (size_t i = size_t(count); i < children_.size(); ++i) {
            if (children_[i])
                QAccessible::deleteAccessibleInterface(children_[i]);
        }
        if (size_t(count) < children_.size())
            children_.resize(size_t(count));
    }

    std::vector<QAccessible::Id> children_;  // made when first asked for; 0 = not yet
    int announcedCount_ = -1;
    int announcedSelected_ = -1;
    QString announcedName_;
    QString announcedDescription_;
};

bool BlockAccessible::isValid() const
{
    return canvas_.blocks() && index_ < canvas_.blocks()->blockCount();
}

QWindow* BlockAccessible::window() const
{
    return canvas_.window();
}

QAccessibleInterface* BlockAccessible::parent() const
{
    return &canvas_;
}

QString BlockAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name: return canvas_.blocks()->blockName(index_);
    case QAccessible::Description: return canvas_.blocks()->blockDescription(index_);
    default: return {};
    }
}

QRect BlockAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = canvas_.blocks()->blockRect(index_);
    return local.isEmpty() ? QRect() : QRect(canvas_.canvas()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State BlockAccessible::state() const
{
    QAccessible::State s;
    s.focusable = true;
    s.selectable = true;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const bool selected = canvas_.blocks()->selectedBlock() == index_;
    s.selected = selected;
    s.focused = selected && canvas_.canvas()->hasFocus();
    s.offscreen = !canvas_.blocks()->blockRect(index_).intersects(canvas_.canvas()->rect());
    s.invisible = s.offscreen;
    return s;
}

QAccessibleInterface* canvasFactory(const QString&, QObject* object)
{
    if (auto* canvas = dynamic_cast<CanvasWidget*>(object))
        return new CanvasAccessible(canvas);
    return nullptr;
}

} // namespace

void installBlockAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(canvasFactory);
        return true;
    }();
    (void)installed;
}

void exposeBlocks(QWidget& canvas, const CanvasBlocks& blocks)
{
    canvas.setProperty(kBlocksProperty, QVariant::fromValue(static_cast<const void*>(&blocks)));
}

void setAnnouncementSink(AnnouncementSink sink)
{
    announcementSink = sink;
}

void announceBlockChanges(QWidget& canvas)
{
    if (auto* iface = dynamic_cast<CanvasAccessible*>(QAccessible::queryAccessibleInterface(&canvas)))
        iface->announce();
}

} // namespace corvix
