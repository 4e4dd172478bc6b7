// The page of the manual that explains each window, for F1. A window is
// named by its key: the class name of a data window ("TfrmWaterDepth"), of
// the plot window ("TPlotForm") or one of its dialogs ("TdlgFormat"), of the
// elevation view ("TDlgSideView"), the caption of a table window's table
// ("Soil Layer Data", "Clay Layer Data"), "TReportViewer" or "THelpWindow";
// the main window without an active child has the key "".
#pragma once

#include <QString>

// The topic (a path in the manual folder with its anchor) for the window
// key; the main window's topic for a key it does not know.
QString HelpTopicFor(const QString& windowKey);
// Whether the window key has a topic of its own (the main window's key
// included).
bool HasHelpTopic(const QString& windowKey);
