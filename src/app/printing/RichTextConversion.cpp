#include "app/printing/RichTextConversion.h"

#include "app/shell/QtConversions.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace tavolim::app {

namespace {

Qt::Alignment qtAlignment(core::Alignment alignment)
{
    switch (alignment) {
    case core::Alignment::Centre:
        return Qt::AlignHCenter;
    case core::Alignment::Right:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case core::Alignment::Justify:
        return Qt::AlignJustify;
    case core::Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignAbsolute;
}

core::Alignment coreAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter) {
        return core::Alignment::Centre;
    }
    if (alignment & Qt::AlignJustify) {
        return core::Alignment::Justify;
    }
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing)) {
        return core::Alignment::Right;
    }
    return core::Alignment::Left;
}

core::TextFormat textFormatOf(const QTextCharFormat& format, const QFont& base)
{
    core::TextFormat out;
    QString family = base.family();
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty()) {
            family = families.first();
        }
    } else if (format.hasProperty(QTextFormat::FontFamily)) {
        family = format.property(QTextFormat::FontFamily).toString();
    }
    out.font = toStdString(family);
    const qreal points =
        format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : base.pointSizeF();
    out.halfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 24;
    out.bold = format.fontWeight() > QFont::Medium;
    out.italic = format.fontItalic();
    out.underline = format.fontUnderline();
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush) {
        const QColor colour = format.foreground().color();
        out.colour = core::RgbColour{static_cast<std::uint8_t>(colour.red()),
                                     static_cast<std::uint8_t>(colour.green()),
                                     static_cast<std::uint8_t>(colour.blue())};
    }
    return out;
}

} // namespace

QFont::StyleHint styleHintFor(const QString& family)
{
    static const QStringList fixed = {
        QStringLiteral("courier"),  QStringLiteral("mono"),     QStringLiteral("consol"),
        QStringLiteral("fixedsys"), QStringLiteral("terminal"), QStringLiteral("lucida console"),
    };
    static const QStringList serif = {
        QStringLiteral("times"),    QStringLiteral("roman"),        QStringLiteral("georgia"),
        QStringLiteral("garamond"), QStringLiteral("book antiqua"), QStringLiteral("serif"),
    };
    const QString name = family.toLower();
    const auto has = [&name](const QStringList& parts) {
        return std::any_of(parts.begin(), parts.end(),
                           [&name](const QString& part) { return name.contains(part); });
    };
    if (has(fixed)) {
        return QFont::TypeWriter;
    }
    if (has(serif) && !name.contains(QStringLiteral("sans"))) {
        return QFont::Serif;
    }
    return QFont::SansSerif;
}

QTextCharFormat charFormatOf(const core::TextFormat& format)
{
    QTextCharFormat out;
    if (!format.font.empty()) {
        const QString family = toQString(format.font);
        out.setFontFamilies(QStringList{family});
        out.setFontStyleHint(styleHintFor(family));
    }
    out.setFontPointSize(format.halfPoints / 2.0);
    out.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(format.italic);
    out.setFontUnderline(format.underline);
    if (format.colour) {
        out.setForeground(QColor(format.colour->red, format.colour->green, format.colour->blue));
    }
    return out;
}

void fillTextDocument(QTextDocument& target, const core::RichDocument& source)
{
    // Loading is no step the operator can undo.
    target.setUndoRedoEnabled(false);
    target.clear();
    QTextCursor cursor(&target);
    // One edit: the text box lays the text out once, not after every run.
    cursor.beginEditBlock();
    QTextList* list = nullptr;
    bool first = true;
    for (const core::Paragraph& paragraph : source.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(qtAlignment(paragraph.alignment));
        const QTextCharFormat mark = charFormatOf(paragraph.mark);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            cursor.setCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        if (!paragraph.bullet) {
            list = nullptr;
        } else if (list) {
            list->add(cursor.block());
        } else {
            list = cursor.createList(QTextListFormat::ListDisc);
        }
        for (const core::TextRun& run : paragraph.runs) {
            cursor.insertText(toQString(run.text), charFormatOf(run.format));
        }
    }
    cursor.endEditBlock();
    target.setUndoRedoEnabled(true);
    target.setModified(false);
}

core::RichDocument richDocumentOf(const QTextDocument& source)
{
    core::RichDocument out;
    const QFont base = source.defaultFont();
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        core::Paragraph paragraph;
        paragraph.alignment = coreAlignment(block.blockFormat().alignment());
        paragraph.bullet = block.textList() != nullptr;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) {
                continue;
            }
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter);
            core::appendText(paragraph, toStdString(text),
                             textFormatOf(fragment.charFormat(), base));
        }
        paragraph.mark = paragraph.runs.empty() ? textFormatOf(block.charFormat(), base)
                                                : paragraph.runs.back().format;
        out.paragraphs.push_back(std::move(paragraph));
    }
    if (out.paragraphs.empty()) {
        out.paragraphs.emplace_back();
    }
    return out;
}

} // namespace tavolim::app
