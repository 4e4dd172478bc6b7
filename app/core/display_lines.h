// Texts of the model break their lines with a carriage return (alone or
// before a line feed); the widgets show them with line feeds.
#pragma once

#include <QString>
#include <string>

QString DisplayLines(const std::string& text);
