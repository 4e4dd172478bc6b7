#include "core/update_check.h"

#include <QDesktopServices>
#include <QUrlQuery>

#include "core/dialogs.h"
#include "core/product.h"

namespace {

// The maker's page that compares the version in the query with the latest.
constexpr const char* kUpdatePage = "https://www.talvex.com/bormek/update";

}  // namespace

QUrl UpdatePageUrl() {
  QUrl url{QString::fromLatin1(kUpdatePage)};
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("product"), QLatin1String(kProductName));
  query.addQueryItem(QStringLiteral("version"), QLatin1String(kProductVersion));
  url.setQuery(query);
  return url;
}

bool OpenUpdatePage(TDialogs& dialogs, const std::function<bool(const QUrl&)>& opener) {
  const QUrl url = UpdatePageUrl();
  const bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
  if (!opened) {
    dialogs.Information(
        QStringLiteral("No program could be started to open the update page.\n"
                       "To check for a newer version, visit this address in a web browser:\n") +
        url.toString());
  }
  return opened;
}
