#pragma once

#include "core/reports/RecordLists.h"
#include "core/tools/DataTool.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The four bulk windows over one field of many records: frmLocalizar (find), frmSubstituir
// (replace), frmInsCampo3 (fill) and frmApagCampo (clear). They share the kind (cboTipo), the
// field (lstCampo), the value controls (txtConteudo, cboConteudo or Option1/Option2, as the
// field takes its value) and the range (optTodos, optAlguns with txtDe and txtAte); find and
// replace add chkPalavraSo and chkCoincMM, and replace a second set of value controls for the
// new value (txtNovo, cboNovo, Option3/Option4). A thin view over core::DataTool.
class DataToolWindow final : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Find, Replace, Fill, Clear };

    DataToolWindow(core::AppState& state, Mode mode, QWidget* parent = nullptr);

    const core::DataTool& model() const { return m_model; }
    // Shows the rows found; by default the list window (frmLista), modally over this one.
    std::function<void(core::RecordList)> showList;

    // The window's button: cmdLocalizar, cmdSubstituir, cmdInserir or cmdApagar.
    bool run();

private:
    // One set of value controls: a text box, a list or an option pair, one shown at a time.
    struct ValueControls {
        QLabel* label = nullptr;
        QStackedWidget* stack = nullptr;
        QLineEdit* text = nullptr;
        QComboBox* list = nullptr;
        QRadioButton* yes = nullptr;
        QRadioButton* no = nullptr;
    };

    ValueControls makeValueControls(const char* label, const char* text, const char* list,
                                    const char* yes, const char* no);
    void fillFields();
    void showField();
    void showValue(ValueControls& controls, bool newValue, const QString& caption);
    void collect();
    static core::ValueBox valueOf(const ValueControls& controls);

    core::AppState& m_state;
    Mode m_mode;
    core::DataTool m_model;
    QComboBox* m_kind = nullptr;
    QListWidget* m_fields = nullptr;
    ValueControls m_value;
    ValueControls m_new;
    QCheckBox* m_wholeWords = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_some = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
};

} // namespace tavolim::app
