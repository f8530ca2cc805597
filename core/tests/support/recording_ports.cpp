#include "support/recording_ports.h"

#include <gtest/gtest.h>

namespace kelvaro::testing {

namespace {

std::string iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return "none";
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Exclamation:
        return "exclamation";
    }
    return "?";
}

} // namespace

void RecordingDialogs::showMessage(const std::string &text, const std::optional<std::string> &title,
                                   MessageIcon icon) {
    if (!title && icon == MessageIcon::None)
        transcript_.add("plain: " + text);
    else
        transcript_.add("message(" + title.value_or("-") + ", " + iconName(icon) + "): " + text);
}

bool RecordingDialogs::askYesNo(const std::string &text, const std::string &title) {
    bool yes = false;
    if (questionAnswers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
    } else {
        yes = questionAnswers_.front();
        questionAnswers_.pop_front();
    }
    transcript_.add("ask(" + title + "): " + text + " -> " + (yes ? "yes" : "no"));
    return yes;
}

std::string RecordingDialogs::promptText(const std::string &prompt,
                                         const std::optional<std::string> &title) {
    std::string answer;
    if (promptAnswers_.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << prompt;
    } else {
        answer = promptAnswers_.front();
        promptAnswers_.pop_front();
    }
    transcript_.add("prompt(" + title.value_or("-") + "): " + prompt + " -> " + answer);
    return answer;
}

void RecordingView::showPrice(FishKind kind, std::int32_t price) {
    transcript_.add("price " + std::to_string(kindNumber(kind)) + " = " + std::to_string(price));
}

void RecordingView::showStock(FishKind kind, std::int32_t stock) {
    transcript_.add("stock " + std::to_string(kindNumber(kind)) + " = " + std::to_string(stock));
}

void RecordingView::showMoney(std::int32_t money) {
    transcript_.add("money = " + std::to_string(money));
}

void RecordingView::showWorkforce(std::int32_t workforce) {
    transcript_.add("workforce = " + std::to_string(workforce));
}

void RecordingView::showDate(const std::string &text) { transcript_.add("date = " + text); }

void RecordingView::showCompanyName(const std::string &name) { transcript_.add("name = " + name); }

void RecordingView::setTitle(const std::string &title) { transcript_.add("title = " + title); }

void RecordingView::endProgram() {
    ++endProgramCalls;
    transcript_.add("endProgram");
}

void ScriptedRandom::script(std::initializer_list<double> values) {
    values_.insert(values_.end(), values.begin(), values.end());
}

double ScriptedRandom::next() {
    if (values_.empty()) {
        ADD_FAILURE() << "the rules drew more random values than scripted";
        return 0.0;
    }
    const double value = values_.front();
    values_.pop_front();
    return value;
}

double drawForPrice(int price) { return (price - 51 + 0.5) / 50.0; }

double drawForRoll(int face, int faces) { return (face - 0.5) / faces; }

} // namespace kelvaro::testing
