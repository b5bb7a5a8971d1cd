#include "ui/rule_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <array>
#include <memory>

#include "model/panel_style.h"
#include "model/reading_names.h"
#include "model/reading_table.h"
#include "platform/qt_text.h"
#include "render/window_layout.h"
#include "ui/client_area.h"
#include "ui/main_window.h"

namespace tesmark {

namespace {

const RuleState& StateOf(const ClientArea* area) {
    return area->mainWindow()->session().state;
}

// The text a reading box shows, without its padding.
QString ReadingText(const ClientArea* area, int slot) {
    const RuleSession& session = area->mainWindow()->session();
    const SlotPlace place = PlaceOfSlot(slot);
    return ToQString(PanelText(session.readings[slot], place.row, session.state));
}

// One reading box: no widget of its own, drawn by the client area.
class ReadingAccessible : public QAccessibleInterface {
  public:
    ReadingAccessible(ClientArea* area, int slot) : area_(area), slot_(slot) {}

    bool isValid() const override { return !area_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return area_ ? QAccessible::queryAccessibleInterface(area_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!area_) return {};
        switch (t) {
            case QAccessible::Name:
                return ToQString(ReadingSlotName(slot_, StateOf(area_)));
            case QAccessible::Value:
                return ReadingText(area_, slot_);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!area_) return {};
        const SlotPlace place = PlaceOfSlot(slot_);
        const int cx = StateOf(area_).CxSize;
        const layout::ReadoutColumnLayout* column = &layout::kCursorReadout;
        int offset = layout::HalfExtra(cx);
        if (place.column == ReadingColumn::LeftIndex) {
            column = &layout::kLeftReadout;
            offset = 0;
        } else if (place.column == ReadingColumn::RightIndex) {
            column = &layout::kRightReadout;
            offset = cx;
        }
        const auto& row = layout::kReadoutRows[static_cast<std::size_t>(place.row)];
        const QRect local(QPoint(column->focusLeft + offset, row.top),
                          QPoint(column->focusRight + offset, row.focusBottom));
        return QRect(area_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.focusable = true;
        if (!area_) return s;
        s.focused = StateOf(area_).NumFoucs == slot_;
        s.invisible = ReadingSlotName(slot_, StateOf(area_)).empty();
        return s;
    }

  private:
    QPointer<ClientArea> area_;
    int slot_;
};

// The client area as a pane of the 22 reading boxes, in slot order.
class RuleAccessible : public QAccessibleWidget {
  public:
    explicit RuleAccessible(ClientArea* area) : QAccessibleWidget(area, QAccessible::Pane) {
        for (int i = 0; i < kSlotCount; ++i) {
            auto* reading = new ReadingAccessible(area, i + 1);
            ids_[static_cast<std::size_t>(i)] = QAccessible::registerAccessibleInterface(reading);
        }
    }
    ~RuleAccessible() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const bool english = StateOf(area()).Language == 0;
            return english ? QStringLiteral("Slide rule") : QStringLiteral("計算尺");
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return kSlotCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kSlotCount) return nullptr;
        return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kSlotCount; ++i)
            if (QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        const int slot = StateOf(area()).NumFoucs;
        return (slot >= 1 && slot <= kSlotCount) ? child(slot - 1) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < kSlotCount; ++i) {
            QAccessibleInterface* reading = child(i);
            if (reading->rect().contains(x, y)) return reading;
        }
        return nullptr;
    }

  private:
    const ClientArea* area() const { return static_cast<const ClientArea*>(widget()); }

    std::array<QAccessible::Id, kSlotCount> ids_{};
};

QAccessibleInterface* RuleAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tesmark::ClientArea") && object != nullptr &&
        object->isWidgetType()) {
        return new RuleAccessible(static_cast<ClientArea*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallRuleAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(RuleAccessibleFactory);
}

FocusReadingAnnouncer::Change FocusReadingAnnouncer::change(int slot, const QString& text) {
    Change result = Change::None;
    if (slot != lastSlot_) {
        result = Change::Focus;
    } else if (text != lastText_) {
        result = Change::Value;
    }
    lastSlot_ = slot;
    lastText_ = text;
    return result;
}

void FocusReadingAnnouncer::afterPaint(ClientArea* area) {
    if (!QAccessible::isActive()) return;  // nobody listens: spare the work
    const int slot = StateOf(area).NumFoucs;
    if (slot < 1 || slot > kSlotCount) return;
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(area);
    QAccessibleInterface* reading = pane != nullptr ? pane->child(slot - 1) : nullptr;
    if (reading == nullptr) return;
    const QString text = ReadingText(area, slot);
    switch (change(slot, text)) {
        case Change::Focus: {
            QAccessibleEvent focus(reading, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
            break;
        }
        case Change::Value: {
            QAccessibleValueChangeEvent value(reading, text);
            QAccessible::updateAccessibility(&value);
            break;
        }
        case Change::None:
            break;
    }
}

}  // namespace tesmark
