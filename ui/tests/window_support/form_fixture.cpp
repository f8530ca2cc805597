#include "window_support/form_fixture.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace kelvaro::testing {

void FormFixture::startForm() {
    dialogs.answerPrompt("Fish Co");
    scriptPrices(openingPrices);
    form->start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    transcript.clear();
}

void FormFixture::loadSavedGame(std::int32_t money, std::array<int, 5> stocks) {
    settings.save("geld", std::to_string(money));
    for (std::size_t i = 0; i < stocks.size(); ++i)
        settings.save("vissen" + std::to_string(i + 1), std::to_string(stocks[i]));
    settings.save("datum", "2026-12-07 15:04:05");
    dialogs.answerPrompt("Fish Co");
    trigger("laden");
    transcript.clear();
}

void FormFixture::click(const char *buttonName) {
    QTest::mouseClick(control<QPushButton>(buttonName), Qt::LeftButton);
}

void FormFixture::trigger(const char *actionName) { control<QAction>(actionName)->trigger(); }

std::map<QString, QString> FormFixture::shownTexts() const {
    std::map<QString, QString> texts;
    for (const QLabel *label : form->findChildren<QLabel *>())
        texts[label->objectName()] = label->text();
    for (const QLineEdit *box : form->findChildren<QLineEdit *>())
        texts[box->objectName()] = box->text();
    texts[QStringLiteral("title")] = form->windowTitle();
    return texts;
}

} // namespace kelvaro::testing
