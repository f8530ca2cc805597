#include "ui/shared_icon_style.h"

namespace kelvaro {

namespace {

// The pictures every message box and button row asks for anew; none depends on the widget,
// its option or the layout direction.
bool isDialogPicture(QStyle::StandardPixmap picture) {
    switch (picture) {
    case QStyle::SP_MessageBoxInformation:
    case QStyle::SP_MessageBoxWarning:
    case QStyle::SP_MessageBoxCritical:
    case QStyle::SP_MessageBoxQuestion:
    case QStyle::SP_DialogOkButton:
    case QStyle::SP_DialogCancelButton:
    case QStyle::SP_DialogHelpButton:
    case QStyle::SP_DialogOpenButton:
    case QStyle::SP_DialogSaveButton:
    case QStyle::SP_DialogCloseButton:
    case QStyle::SP_DialogApplyButton:
    case QStyle::SP_DialogResetButton:
    case QStyle::SP_DialogDiscardButton:
    case QStyle::SP_DialogYesButton:
    case QStyle::SP_DialogNoButton:
        return true;
    default:
        return false;
    }
}

} // namespace

SharedIconStyle::SharedIconStyle(const QString &key) : QProxyStyle(key) {}

QIcon SharedIconStyle::standardIcon(StandardPixmap picture, const QStyleOption *option,
                                    const QWidget *widget) const {
    if (option || !isDialogPicture(picture))
        return QProxyStyle::standardIcon(picture, option, widget);
    auto found = icons_.constFind(picture);
    if (found == icons_.constEnd())
        found = icons_.insert(picture, QProxyStyle::standardIcon(picture, option, widget));
    return *found;
}

} // namespace kelvaro
