// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace mokopi::ui {

// Every modal box of the game goes through here, so that tests can answer
// them without a real box waiting for a click.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A box with an OK button.
    virtual void message(const QString& title, const QString& text) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // An input box with no preset text; the empty text on cancel.
    virtual QString askText(const QString& title, const QString& prompt) = 0;
    // The last box before the program stops on a fault it cannot recover from.
    virtual void fatal(const QString& title, const QString& text) = 0;
    // What the game is and who made it, with a way to Qt's own about box.
    virtual void about(const QString& title, const QString& text) = 0;
};

// The real boxes, modal to the given window.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;
    QString askText(const QString& title, const QString& prompt) override;
    void fatal(const QString& title, const QString& text) override;
    void about(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace mokopi::ui
