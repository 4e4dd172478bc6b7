#include "core/help_topics.h"

#include <iterator>

namespace {

struct WindowTopic {
  const char* key;
  const char* topic;
};

constexpr const char* kMainWindowTopic = "user/main-window.html";

constexpr WindowTopic kWindowTopics[] = {
    {"TdlgTitle", "user/project-windows.html#title"},
    {"TfrmShaftpeneta", "user/project-windows.html#shaft-properties"},
    {"TfrmSafetyFactor", "user/project-windows.html#factor-of-safety"},
    {"TfrmPenetration", "user/project-windows.html#shaft-length"},
    {"TfrmDesignLoad", "user/project-windows.html#design-load"},
    {"TfrmWaterDepth", "user/project-windows.html#water-table"},
    {"TDlgOptions", "user/project-windows.html#control-options"},
    {"Soil Layer Data", "user/soil-layers.html#layer-table"},
    {"Sand Layer Data", "user/soil-layers.html#sand"},
    {"Clay Layer Data", "user/soil-layers.html#clay"},
    {"Shale Layer Data", "user/soil-layers.html#shale"},
    {"Strong Rock Layer Data", "user/soil-layers.html#strong-rock"},
    {"Decomposed Geo. Layer Data", "user/soil-layers.html#decomposed-rock"},
    {"Weak Rock Layer Data", "user/soil-layers.html#weak-rock"},
    {"Gravelly Sand Layer Data", "user/soil-layers.html#gravelly-sand"},
    {"Gravel Layer Data", "user/soil-layers.html#gravel"},
    {"TReportViewer", "user/report-viewer.html"},
    {"THelpWindow", "user/help-window.html"},
};

}  // namespace

QString HelpTopicFor(const QString& windowKey) {
  for (const WindowTopic& entry : kWindowTopics) {
    if (windowKey == QLatin1String(entry.key)) {
      return QLatin1String(entry.topic);
    }
  }
  return QLatin1String(kMainWindowTopic);
}
