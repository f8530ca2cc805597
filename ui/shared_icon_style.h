#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace kelvaro {

// The application's style, handing out one icon per message-box and dialog-button picture
// for the whole run instead of a new one for every dialog. Otherwise each dialog would leave
// the scaled copies of its icons behind in the shared pixmap cache, under keys no later
// dialog asks for. Everything else is the base style's, named by `key` ("fusion").
class SharedIconStyle final : public QProxyStyle {
  public:
    explicit SharedIconStyle(const QString &key);

    QIcon standardIcon(StandardPixmap picture, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

  private:
    mutable QHash<int, QIcon> icons_;
};

} // namespace kelvaro
