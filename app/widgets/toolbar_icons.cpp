#include "widgets/toolbar_icons.h"

#include <QString>

// The resources of a static library are registered by hand once: nothing
// else refers to the generated registration code, so the linker would drop
// it.
static void registerIconResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(icons);
    return true;
  }();
  static_cast<void>(registered);
}

QString ToolbarIconPath(ToolbarIcon icon) {
  const char* name = "";
  switch (icon) {
    case ToolbarIcon::kNew:
      name = "new";
      break;
    case ToolbarIcon::kOpen:
      name = "open";
      break;
    case ToolbarIcon::kSave:
      name = "save";
      break;
    case ToolbarIcon::kRun:
      name = "run";
      break;
    case ToolbarIcon::kSoilLayers:
      name = "soil_layers";
      break;
    case ToolbarIcon::kViewOutput:
      name = "view_output";
      break;
    case ToolbarIcon::kSoilProfile:
      name = "soil_profile";
      break;
    case ToolbarIcon::kCombinedPlot:
      name = "combined_plot";
      break;
    case ToolbarIcon::kLoadSettlement:
      name = "load_settlement";
      break;
  }
  return QStringLiteral(":/toolbar/") + QLatin1String(name) + QStringLiteral(".svg");
}

QIcon ToolbarIconFor(ToolbarIcon icon) {
  registerIconResources();
  return QIcon(ToolbarIconPath(icon));
}

QIcon ApplicationIcon() {
  registerIconResources();
  return QIcon(QStringLiteral(":/app/bormek.svg"));
}
