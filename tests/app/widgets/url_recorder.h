// Stands in for the desktop's opener of web addresses: installed with
// QDesktopServices::setUrlHandler, it records the addresses handed to it.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void open(const QUrl& url) { urls.push_back(url); }
};
