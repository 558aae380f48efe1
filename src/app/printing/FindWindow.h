#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavolim::core {
class TextEditor;
}

namespace tavolim::app {

// frmFind ("Procurar"): the text, case and direction of a search in the text editor. It
// stays open while the operator finds one match after another; each press of cmdFind
// stores the request in the editor's model and asks the editor to search.
class FindWindow final : public QDialog {
    Q_OBJECT

public:
    FindWindow(core::TextEditor& editor, QWidget* parent = nullptr);

    // Fills the boxes from the last request, or with `selected` text when there is some.
    void prepare(const QString& selected);

signals:
    void findRequested();

private:
    core::TextEditor& m_editor;
    QLineEdit* m_text = nullptr;
    QCheckBox* m_case = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_find = nullptr;
};

} // namespace tavolim::app
