#include "core/app_settings.h"

#include <memory>

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QVariant>

namespace {

const QString kOrganization = QStringLiteral("Talvex");
const QString kApplication = QStringLiteral("Bormek");
const QString kGroup = QStringLiteral("2012.7.8");
const QString kWordProcessorKey = QStringLiteral("Word Processor");

QString fileKey(int slot) {
  return QStringLiteral("File") + QString::number(slot + 1);
}

std::unique_ptr<QSettings> openStore() {
  return std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope,
                                     kOrganization, kApplication);
}

// A stored value as text; `failed` is set when the value is there but is
// not text.
QString readText(const QSettings& store, const QString& key, bool& failed) {
  const QVariant value = store.value(key);
  if (value.isValid() && !value.canConvert<QString>()) {
    failed = true;
  }
  return value.toString();
}

}  // namespace

void TAppSettings::ReadAtCreation() {
  const auto store = openStore();
  store->beginGroup(kGroup);
  bool failed = false;
  const QString stored = readText(*store, kWordProcessorKey, failed);
  if (!failed && store->status() == QSettings::NoError) {
    WordProcessor = stored;
  }
}

void TAppSettings::ReadAtFirstShowing() {
  const auto store = openStore();
  if (store->childGroups().contains(kGroup)) {
    store->beginGroup(kGroup);
    bool failed = false;
    const QString stored = readText(*store, kWordProcessorKey, failed);
    if (!stored.isEmpty()) {
      WordProcessor = stored;
    }
    for (int slot = 0; slot < kPrevFileSlots; ++slot) {
      Recent.PrevFiles.at(static_cast<std::size_t>(slot)) = readText(*store, fileKey(slot), failed);
    }
    if (failed || store->status() != QSettings::NoError) {
      WordProcessor.clear();
      Recent.Clear();
    }
  }
  Recent.Recount();
}

void TAppSettings::UpdateRegistry() const {
  const auto store = openStore();
  store->beginGroup(kGroup);
  store->setValue(kWordProcessorKey, WordProcessor);
  for (int slot = 0; slot < kPrevFileSlots; ++slot) {
    store->setValue(fileKey(slot), Recent.PrevFiles.at(static_cast<std::size_t>(slot)));
  }
  store->endGroup();
  store->sync();
}

void TAppSettings::UpdatePrevFile(const QString& path) {
  if (Recent.UpdatePrevFile(path)) {
    UpdateRegistry();
  }
}

std::optional<EditorCommand> EditorCommandFor(const QString& wordProcessor, const QString& path) {
  if (wordProcessor.trimmed().isEmpty()) {
    return std::nullopt;
  }
  if (QFileInfo(wordProcessor).isFile()) {
    return EditorCommand{wordProcessor, {path}};
  }
  QStringList words =
      QProcess::splitCommand(wordProcessor + QStringLiteral(" \"") + path + QLatin1Char('"'));
  const QString program = words.takeFirst();
  return EditorCommand{program, words};
}
