#pragma once
#include <string>
#include <vector>

#include "ui/flat/flat_list_box.h"

namespace vesk::ui {

// Makes the list show exactly these rows (UTF-8), in order. A list that
// shows them already is left alone; otherwise it is filled anew at the same
// scroll position, without a chosen item.
void ShowRows(flat::TFlatListBox& list, const std::vector<std::string>& rows);

}  // namespace vesk::ui
