// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "game/endings.h"
#include "ui/language.h"
#include "ui/pet_picture.h"
#include "ui/speech_panel.h"

namespace mokopi::ui {

namespace {

constexpr const char* Context = "Accessibility";

QString words(const char* text) { return QCoreApplication::translate(Context, text); }

// The fatigue bar reads as a bar from 0 to 255 whose value is the fatigue.
class FatigueBarAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit FatigueBarAccessible(FatigueBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? QString::number(bar()->value()) : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 255; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    FatigueBar* bar() const { return static_cast<FatigueBar*>(widget()); }
};

// A label named by its text, and by what it is while it shows none.
class LabelAccessible final : public QAccessibleWidget {
public:
    LabelAccessible(QLabel* label, const char* emptyName)
        : QAccessibleWidget(label, QAccessible::StaticText), emptyName_(emptyName)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString shown = static_cast<QLabel*>(widget())->text();
        return shown.isEmpty() ? QCoreApplication::translate(Context, emptyName_) : shown;
    }

private:
    const char* emptyName_;
};

// The labels whose text comes and goes, with their names while empty.
const char* emptyLabelName(const QString& objectName)
{
    if (objectName == QLatin1String("Lbl"))
        return QT_TRANSLATE_NOOP("Accessibility", "もこぴの言葉");
    if (objectName == QLatin1String("LblKazari"))
        return QT_TRANSLATE_NOOP("Accessibility", "会話の合図");
    return nullptr;
}

QAccessibleInterface* controlAccessible(const QString&, QObject* object)
{
    if (auto* bar = dynamic_cast<FatigueBar*>(object))
        return new FatigueBarAccessible(bar);
    if (auto* label = qobject_cast<QLabel*>(object))
        if (const char* emptyName = emptyLabelName(label->objectName()))
            return new LabelAccessible(label, emptyName);
    if (auto* pet = qobject_cast<PetPicture*>(object))
        return new QAccessibleWidget(pet, QAccessible::Graphic);
    return nullptr;
}

struct ControlText {
    const char* objectName;
    const char* name;         // null: the control's own caption or text
    const char* description;  // null: the tool tip
    const char* keys;         // null: no key of its own
};

// Labels that show text keep it as their name; the hour and the day get
// theirs from every redraw and the pet picture from every picture.
constexpr ControlText Controls[] = {
    {"Opt0", nullptr, nullptr, QT_TRANSLATE_NOOP("Accessibility", "1キー")},
    {"Opt1", nullptr, nullptr, QT_TRANSLATE_NOOP("Accessibility", "2キー")},
    {"Opt2", nullptr, nullptr, QT_TRANSLATE_NOOP("Accessibility", "3キー")},
    {"Com", nullptr, nullptr, QT_TRANSLATE_NOOP("Accessibility", "F1キー")},
    {"LblTimDay", nullptr, nullptr, nullptr},
    {"LblDay", nullptr, nullptr, nullptr},
    {"PicStr", QT_TRANSLATE_NOOP("Accessibility", "もこぴのスターテス"),
     QT_TRANSLATE_NOOP("Accessibility", "歌詩、舞踊、疲労の値です"), nullptr},
    {"LblStr", nullptr, nullptr, nullptr},
    {"Pic", QT_TRANSLATE_NOOP("Accessibility", "もこぴが喋るところ"),
     QT_TRANSLATE_NOOP("Accessibility", "もこぴの言葉と、疲労度の紫のバーです"), nullptr},
    {"Lbl", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Accessibility",
                       "スペースかEnterで左クリック、Shift＋スペースかShift＋Enterかメニューキーで右クリック。"
                       "答えは←で左クリック、→で右クリックのほうを選びます")},
    {"ShpHir", QT_TRANSLATE_NOOP("Accessibility", "疲労度"), QT_TRANSLATE_NOOP("Accessibility", "紫のバーが疲労度です"),
     nullptr},
    {"LblKazari", nullptr, QT_TRANSLATE_NOOP("Accessibility", "会話が続くときの合図です"), nullptr},
    {"IMG", QT_TRANSLATE_NOOP("Accessibility", "読み込み中"), nullptr,
     QT_TRANSLATE_NOOP("Accessibility", "Pキー、または選んでスペースかEnter")},
};

struct MenuText {
    const char* objectName;
    const char* description;
};

constexpr MenuText Menus[] = {
    {"mnu1", QT_TRANSLATE_NOOP("Accessibility", "セーブ、ロード、終了")},
    {"mnu2", QT_TRANSLATE_NOOP("Accessibility", "効果音、超早モード、イベント、言語の切り替え")},
    {"mnu3", QT_TRANSLATE_NOOP("Accessibility", "クリアしたエンディングの回想")},
};

}  // namespace

void describeControls(QWidget* window)
{
    static const bool factoryInstalled = (QAccessible::installFactory(controlAccessible), true);
    Q_UNUSED(factoryInstalled);
    window->setAccessibleDescription(words(QT_TRANSLATE_NOOP("Accessibility", "もこぴを２４日間育てます")));

    for (const ControlText& c : Controls) {
        auto* control = window->findChild<QWidget*>(QLatin1String(c.objectName));
        if (!control)
            continue;
        if (c.name)
            control->setAccessibleName(words(c.name));
        QString description = c.description ? words(c.description) : control->toolTip();
        if (c.keys)
            //: A control's description, then the keys that work it.
            description = words(QT_TRANSLATE_NOOP("Accessibility", "%1（%2）")).arg(description, words(c.keys));
        control->setAccessibleDescription(description);
    }
    // The commands are one choice of three and read as such.
    for (const char* name : {"Opt0", "Opt1", "Opt2"})
        if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(name)))
            button->setAutoExclusive(true);

    if (auto* bar = window->findChild<QMenuBar*>()) {
        bar->setAccessibleName(words(QT_TRANSLATE_NOOP("Accessibility", "メニューバー")));
        bar->setAccessibleDescription(words(QT_TRANSLATE_NOOP("Accessibility", "メニュウ、オプション、エンディング")));
    }
    for (const MenuText& m : Menus) {
        if (auto* menu = window->findChild<QMenu*>(QLatin1String(m.objectName))) {
            menu->setAccessibleName(menu->title());
            menu->setAccessibleDescription(words(m.description));
        }
    }
}

void setSpokenName(QWidget* control, const QString& name)
{
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

QString pictureName(game::Picture picture)
{
    using game::Picture;
    if (const auto ending = game::endingShowing(picture))
        return translated(game::ending(*ending).spokenName);
    const char* name = "";
    switch (picture) {
    case Picture::t0:
    case Picture::t1: name = QT_TRANSLATE_NOOP("Accessibility", "ふつうのもこぴ"); break;
    case Picture::u0:
    case Picture::u1: name = QT_TRANSLATE_NOOP("Accessibility", "歌っているもこぴ"); break;
    case Picture::o0:
    case Picture::o1: name = QT_TRANSLATE_NOOP("Accessibility", "踊っているもこぴ"); break;
    case Picture::h0:
    case Picture::h1: name = QT_TRANSLATE_NOOP("Accessibility", "疲れたもこぴ"); break;
    case Picture::l0:
    case Picture::l1: name = QT_TRANSLATE_NOOP("Accessibility", "甘えているもこぴ"); break;
    case Picture::lov: name = QT_TRANSLATE_NOOP("Accessibility", "なでられて喜ぶもこぴ"); break;
    case Picture::ki: name = QT_TRANSLATE_NOOP("Accessibility", "喜んでいるもこぴ"); break;
    case Picture::ikari: name = QT_TRANSLATE_NOOP("Accessibility", "怒っているもこぴ"); break;
    case Picture::kanasimi: name = QT_TRANSLATE_NOOP("Accessibility", "悲しんでいるもこぴ"); break;
    case Picture::raku: name = QT_TRANSLATE_NOOP("Accessibility", "楽しそうなもこぴ"); break;
    case Picture::did: name = QT_TRANSLATE_NOOP("Accessibility", "お別れのもこぴ"); break;
    default: break;
    }
    return words(name);
}

QString titlePictureName() { return words(QT_TRANSLATE_NOOP("Accessibility", "タイトル「もこぴ育成」")); }

QString spokenHour(const QString& hourCaption)
{
    return words(QT_TRANSLATE_NOOP("Accessibility", "%1時")).arg(hourCaption);
}

QString spokenDay(const QString& dayCaption)
{
    return words(QT_TRANSLATE_NOOP("Accessibility", "%1日")).arg(dayCaption);
}

}  // namespace mokopi::ui
