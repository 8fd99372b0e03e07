#pragma once

#include <QtGlobal>

// The quiet log of a normal run: debug and info are dropped, a warning prints as
// "WARN: text", critical and fatal messages as the bare text, all on standard error.
void filteredMessageHandler(QtMsgType type, const QMessageLogContext& context,
                            const QString& message);
