#pragma once

#include <QString>
#include <QStringList>

#include <deque>

#include "ui/dialogs.h"

namespace mokopi::testing {

// Records every box and answers from queues: an empty queue answers as
// Cancel and No.
class FakeDialogs final : public ui::Dialogs {
public:
    struct Box {
        QString title;
        QString text;
    };

    void message(const QString& title, const QString& text) override { messages.push_back({title, text}); }
    bool askYesNo(const QString& title, const QString& text) override
    {
        questions.push_back({title, text});
        return take(yesNoAnswers, false);
    }
    QString askText(const QString& title, const QString& prompt) override
    {
        inputs.push_back({title, prompt});
        return take(textAnswers, QString());
    }
    void fatal(const QString& title, const QString& text) override { fatals.push_back({title, text}); }

    std::vector<Box> messages, questions, inputs, fatals;
    std::deque<bool> yesNoAnswers;
    std::deque<QString> textAnswers;

private:
    template <typename T>
    static T take(std::deque<T>& answers, T otherwise)
    {
        if (answers.empty())
            return otherwise;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace mokopi::testing
