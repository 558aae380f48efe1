#pragma once

#include <QIcon>

namespace tavolim::app {

// The buttons of the text editor's bar, in their order on it.
enum class EditorButton {
    New,
    Open,
    Save,
    Print,
    Find,
    Cut,
    Copy,
    Paste,
    Undo,
    Bold,
    Italic,
    Underline,
    Colour,
    AlignLeft,
    Centre,
    AlignRight,
    Bullet,
};

// Drawn here rather than taken from an icon theme, which a store's PC may lack.
QIcon editorButtonIcon(EditorButton button);

} // namespace tavolim::app
