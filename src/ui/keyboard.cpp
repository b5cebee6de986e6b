// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keyboard.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QShortcut>

namespace mokopi::ui {

namespace {

// The keypad's Enter carries a modifier of its own that says nothing.
Qt::KeyboardModifiers modifiersOf(const QKeyEvent& event) { return event.modifiers() & ~Qt::KeypadModifier; }

bool isSpaceOrEnter(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

QShortcut* addKey(QWidget* window, Qt::Key key)
{
    auto* shortcut = new QShortcut(QKeySequence(key), window);
    shortcut->setAutoRepeat(false);
    return shortcut;
}

}  // namespace

int speechKeyButton(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = modifiersOf(event);
    if (modifiers == Qt::NoModifier) {
        if (isSpaceOrEnter(key) || key == Qt::Key_Left)
            return 1;
        if (key == Qt::Key_Right || key == Qt::Key_Menu)
            return 2;
    }
    if (modifiers == Qt::ShiftModifier && isSpaceOrEnter(key))
        return 2;
    return 0;
}

bool isActivationKey(const QKeyEvent& event)
{
    return modifiersOf(event) == Qt::NoModifier && isSpaceOrEnter(event.key());
}

void addWindowKeys(QWidget* window, const WindowKeyTargets& targets)
{
    const Qt::Key digits[3] = {Qt::Key_1, Qt::Key_2, Qt::Key_3};
    for (int i = 0; i < 3; ++i)
        QObject::connect(addKey(window, digits[i]), &QShortcut::activated, targets.commands[i],
                         &QAbstractButton::click);
    QObject::connect(addKey(window, Qt::Key_F1), &QShortcut::activated, targets.help, &QAbstractButton::click);
    QObject::connect(addKey(window, Qt::Key_P), &QShortcut::activated, window, targets.pet);
}

void addMenuShortcuts(QAction* save, QAction* load, QAction* quit)
{
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

}  // namespace mokopi::ui
