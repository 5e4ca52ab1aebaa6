// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultLabel.h"

#include <QAccessibleWidget>

namespace {

// The label's name and its text interface both give what it shows; an empty label has no name,
// so that screen readers pass over it.
class ResultLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ResultLabelAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? Shown() : QAccessibleWidget::text(kind);
    }
    QString text(int startOffset, int endOffset) const override {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }

    // Read-only text with no caret and no selection.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

  private:
    QString Shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ResultLabel") && object->isWidgetType()) {
        return new ResultLabelAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

ResultLabel::ResultLabel(const QString& accessibleDescription, QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    (void)factoryInstalled;
    setAccessibleDescription(accessibleDescription);
}
