// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>
#include <vector>

#include "game/game.h"
#include "game/page_text.h"
#include "game/utf8.h"

namespace mokopi::game {

namespace {

constexpr Rgb SceneTextColour{55, 55, 99};
constexpr Rgb IdleTextColour{55, 99, 55};
constexpr Text ClickHint = MOKOPI_TR("Speech line", "くりっく！！　");
constexpr std::size_t NameLength = 5;

// How a character the save file cannot keep is named in the refusal.
std::string describe(const std::string& character, Translate inLanguage)
{
    if (character == "\r" || character == "\n")
        return inLanguage(MOKOPI_TR("Name box", "改行"));
    if (character == "\t")
        return inLanguage(MOKOPI_TR("Name box", "タブ"));
    if (isControlCharacter(nextCodePoint(character, 0).value))
        return inLanguage(MOKOPI_TR("Name box", "制御文字"));
    //: The quotation marks around a character a name cannot hold.
    return inLanguage(MOKOPI_TR("Name box", "「")) + character + inLanguage(MOKOPI_TR("Name box", "」"));
}

std::string refusal(const std::vector<std::string>& characters, Translate inLanguage)
{
    std::string names;
    for (const std::string& c : characters) {
        const std::string name = describe(c, inLanguage);
        if (names.find(name) == std::string::npos)
            names += (names.empty() ? "" : inLanguage(MOKOPI_TR("Name box", "、"))) + name;
    }
    //: Followed by the characters a name cannot hold, a line break and the request for another name.
    return inLanguage(MOKOPI_TR("Name box", "名前に使えない文字があります：")) + names + "\r\n"
        + inLanguage(MOKOPI_TR("Name box", "ほかの名前を入れてください。"));
}

}  // namespace

void Game::IventStt(SceneValue scene)
{
    setSpeechMarks(SceneTextColour, ClickHint);
    s_.Scene = std::move(scene);
    s_.Page = 0;
    s_.SceneRunning = true;
    setClockRunning(false);
    Lbl_Click();
}

void Game::IventEnd()
{
    setSpeechMarks(IdleTextColour, {});
    out_.selectCommand(s_.Command);
    SePlay(s_.Command);
    s_.Scene = SceneValue("");
    s_.SceneRunning = false;
    setClockRunning(true);
}

void Game::Lbl_MouseDown(std::uint8_t button) { s_.ClickButton = button; }

void Game::Lbl_Click()
{
    const Script* script = findScript(s_.Scene);
    if (script == nullptr || s_.Page >= script->size())
        return;
    runStep((*script)[s_.Page]);
}

void Game::runStep(const Step& step)
{
    switch (step.kind) {
    case StepKind::Page:
        if (step.startsGame)
            s_.GameStarted = true;
        show(step.page);
        break;
    case StepKind::Answer: show(s_.ClickButton == 1 ? step.left : step.right); break;
    case StepKind::AskName: {
        std::string name = askName(*step.question);
        (step.question->forOwner ? s_.OwnerName : s_.PetName) = std::move(name);
        break;
    }
    case StepKind::Close: finish(step.finish); return;
    case StepKind::Handover:
        // The next scene shows its first page inside this click; nothing more happens here.
        IventStt(SceneValue(std::string(step.next)));
        return;
    }
    ++s_.Page;
    finish(step.finish);
}

void Game::show(const Reaction& reaction)
{
    if (reaction.picture)
        out_.showPicture(*reaction.picture);
    if (!reaction.text.empty())
        showSpeech(reaction.text);
    for (const StatusChange& change : reaction.changes)
        StatusAdd(change.index, change.sign * (change.base + rnd_.R(10)));
}

void Game::finish(Finish how)
{
    switch (how) {
    case Finish::None: break;
    case Finish::IventEnd: IventEnd(); break;
    case Finish::EndingEnd: EndingEnd(); break;
    }
}

// Names go in after translation, so they show as typed in any language.
void Game::showSpeech(Text textTemplate)
{
    speech_ = textTemplate;
    out_.setSpeech(render(translate_(textTemplate), s_.PetName, s_.OwnerName));
}

void Game::setSpeechMarks(Rgb textColour, Text clickHint)
{
    speechColour_ = textColour;
    clickHint_ = clickHint;
    out_.setSpeechMarks(textColour, translate_(clickHint));
}

// Asks until the answer is a name the save file can keep. An empty answer
// (or cancel) gives the default; a longer one keeps its first five characters.
std::string Game::askName(const NameQuestion& question)
{
    for (;;) {
        const std::string answer =
            out_.askText(translate_(question.title), render(translate_(question.prompt), "", ""));
        // A translated default keeps to five characters too.
        if (answer.empty())
            return firstCharacters(translate_(question.fallback), NameLength);
        std::string name = firstCharacters(answer, NameLength);
        const std::vector<std::string> unsavable = unsavable_(name);
        if (unsavable.empty())
            return name;
        out_.tell(refusal(unsavable, translate_));
    }
}

}  // namespace mokopi::game
