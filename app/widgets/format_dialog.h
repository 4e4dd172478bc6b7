// The picture options of Save To Disk ("Save Attributes"): height and
// width in inches (at least 2), pixels per inch (a whole number, at least
// 10) and the colour depth of a bitmap. The colours do not apply to the
// vector formats and are disabled for them. A value beyond a limit is
// replaced by the limit and the user told so, as in every numeric field.
#pragma once

#include <QDialog>
#include <array>

#include "core/plot_export.h"

class QRadioButton;
class TDataEdit;
class TDialogs;

class TdlgFormat : public QDialog {
  Q_OBJECT

 public:
  TdlgFormat(TDialogs& dialogs, const PictureOptions& options, bool bitmap,
             QWidget* parent = nullptr);

  // The options shown; valid after OK.
  PictureOptions Options() const;

  void accept() override;

 private:
  TDataEdit* height_ = nullptr;
  TDataEdit* width_ = nullptr;
  TDataEdit* pixelsPerInch_ = nullptr;
  std::array<QRadioButton*, 5> colours_{};
};
