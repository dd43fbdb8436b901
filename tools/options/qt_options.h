// SPDX-License-Identifier: GPL-3.0-or-later
// The options every Qt program takes (-platform, -style, ...), passed over for QApplication to read.
#pragma once

#include <QCommandLineParser>
#include <QString>

namespace kelvaro {

// Lets `parser` take Qt's own options, each with its value where it has one, so a program that
// reads its command line before QApplication exists neither refuses them nor reads their
// values as its own arguments.
void acceptQtOptions(QCommandLineParser& parser);

// Whether `name`, without its dashes, is one of Qt's options that takes a value.
bool isQtValueOption(const QString& name);

} // namespace kelvaro
