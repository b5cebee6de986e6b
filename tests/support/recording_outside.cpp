#include "support/recording_outside.h"

namespace mokopi::testing {

void RecordingOutside::showPicture(Picture p)
{
    picture = p;
    titleShown = false;
    pictureLog.emplace_back(fileName(p));
}

void RecordingOutside::showTitlePicture()
{
    picture.reset();
    titleShown = true;
    pictureLog.emplace_back(TitlePictureFile);
}

void RecordingOutside::setSpeech(const std::string& text) { speech = text; }

void RecordingOutside::setSpeechMarks(Rgb textColour, const std::string& hint)
{
    speechColour = textColour;
    clickHint = hint;
}

void RecordingOutside::showStatus(const StatusView& view)
{
    status = view;
    ++statusRedraws;
}

void RecordingOutside::setClock(bool running, int intervalMs)
{
    clockRunning = running;
    clockIntervalMs = intervalMs;
}

void RecordingOutside::selectCommand(int command) { selectedCommand = command; }

void RecordingOutside::showSwitches(bool sound, bool fast, bool events)
{
    soundOn = sound;
    superFast = fast;
    eventsOn = events;
}

void RecordingOutside::showClearedEndings(const std::array<bool, 9>& cleared) { clearedEndings = cleared; }

void RecordingOutside::playSound(int sound) { sounds.push_back(sound); }

std::string RecordingOutside::askText(const std::string& title, const std::string& prompt)
{
    questions.push_back(title + "|" + prompt);
    if (textAnswers.empty())
        return {};
    std::string answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

void RecordingOutside::tell(const std::string& text) { messages.push_back(text); }

bool RecordingOutside::askYesNo(const std::string& text)
{
    confirmations.push_back(text);
    if (yesNoAnswers.empty())
        return false;
    bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

}  // namespace mokopi::testing
