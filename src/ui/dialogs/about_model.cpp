#include "ui/dialogs/about_model.h"

namespace vesk::ui {

platform::Point AboutModel::Placement(const platform::Point& mainTopLeft, int mainWidth, int ownWidth) {
    return {mainTopLeft.x + mainWidth - ownWidth, mainTopLeft.y};
}

void AboutModel::FlatButton1Click() { shell_.Open(kWebSiteAddress); }

void AboutModel::Label5Click() { shell_.Open("mailto:" + Label5); }

}  // namespace vesk::ui
