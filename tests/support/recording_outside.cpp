#include "support/recording_outside.h"

namespace mokopi::testing {

std::string RecordingOutside::askText(const std::string& title, const std::string& prompt)
{
    questions.push_back(title + "|" + prompt);
    if (textAnswers.empty())
        return {};
    std::string answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

bool RecordingOutside::askYesNo(const std::string& text)
{
    confirmations.push_back(text);
    const bool answer = !yesNoAnswers.empty() && yesNoAnswers.front();
    if (!yesNoAnswers.empty())
        yesNoAnswers.pop_front();
    return answer;
}

}  // namespace mokopi::testing
