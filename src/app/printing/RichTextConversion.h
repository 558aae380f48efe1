#pragma once

#include "core/reports/RichDocument.h"

#include <QFont>

class QTextCharFormat;
class QTextDocument;

namespace tavolim::app {

// The core's rich document into the text box's QTextDocument and back. Consecutive
// bulleted paragraphs become one list.
void fillTextDocument(QTextDocument& target, const core::RichDocument& source);
core::RichDocument richDocumentOf(const QTextDocument& source);

QTextCharFormat charFormatOf(const core::TextFormat& format);

// The kind of face to fall back on when a Windows font the files name (Arial, Courier New,
// Times New Roman) is not installed: a fixed face for Courier, a serif one for Times.
QFont::StyleHint styleHintFor(const QString& family);

} // namespace tavolim::app
