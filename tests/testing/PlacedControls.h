#pragma once
// Where a window's control stands and what it says, checked against its layout.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

struct Placed {
    const char* name;
    QRect geometry;
    const char* text;        // caption, title, memo text or nothing
    const char* skinSection; // or nothing
};

inline QString textOf(const QWidget* widget)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        return memo->toPlainText();
    return QString();
}

inline void expectPlaced(const QWidget& window, const Placed& placed)
{
    SCOPED_TRACE(placed.name);
    const QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(placed.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), placed.geometry);
    if (placed.text) {
        EXPECT_EQ(textOf(widget), QString::fromUtf8(placed.text));
    }
    if (placed.skinSection) {
        EXPECT_EQ(widget->property("SkinSection").toString(), QString::fromLatin1(placed.skinSection));
    }
}
