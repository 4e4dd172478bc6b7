// Help > Check for Updates: the maker's update page, with the product and
// its version in the query, handed to the desktop's opener.
#pragma once

#include <QUrl>
#include <functional>

class TDialogs;

// The update page with "product" and "version" in its query.
QUrl UpdatePageUrl();

// Opens the update page with `opener` (the desktop's, QDesktopServices::
// openUrl, when none is given). When nothing can open it, a message names
// the page so that the user can visit it by hand. Returns whether it opened.
bool OpenUpdatePage(TDialogs& dialogs, const std::function<bool(const QUrl&)>& opener = {});
