#include "core/registers/RegisterModel.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/DeletedNameTails.h"

namespace tavolim::core {

RegisterModel::RegisterModel(AppState& state, FileKind kind) : m_state(state), m_kind(kind) {}

void RegisterModel::open()
{
    if (m_code == 0 && m_state.options().MostraUltReg) {
        showPosition(positionCount());
        return;
    }
    showPosition(m_position == 0 ? 1 : m_position);
}

void RegisterModel::showPosition(int position)
{
    m_position = position;
    m_code = numberAt(position);
    m_new = false;
    m_dirty = false;
    m_deletedShown = m_code > 0 && readIntoForm(m_code);
    if (m_code == 0) {
        clearForm();
    } else if (m_deletedShown) {
        clearForm();
        nameBox() = DeletedText;
    }
}

bool RegisterModel::moveTo(int position)
{
    if (!saveIfDirty()) {
        return false;
    }
    showPosition(position);
    return true;
}

bool RegisterModel::moveFirst()
{
    return positionCount() >= 1 && moveTo(1);
}

bool RegisterModel::movePrevious()
{
    return m_position >= 2 && moveTo(m_position - 1);
}

bool RegisterModel::moveNext()
{
    return m_position + 1 <= positionCount() && moveTo(m_position + 1);
}

bool RegisterModel::moveLast()
{
    return positionCount() >= 1 && moveTo(positionCount());
}

bool RegisterModel::save()
{
    if (m_code <= 0) {
        return true;
    }
    const bool reviving = m_deletedShown;
    if (reviving && (nameBox() == DeletedText || !canRevive())) {
        m_dirty = false;
        return true;
    }
    StoreTransaction write(m_state);
    if (!writeForm()) {
        return false;
    }
    if (reviving || m_new) {
        m_state.records().removeDeleted(m_kind, m_code);
        // The byte a full-width name lost to the mark belongs to the old name.
        DeletedNameTails(m_state.dataFolder()).take(m_kind, m_code);
    }
    if (!write.commit()) {
        return false;
    }
    m_deletedShown = false;
    m_new = false;
    m_dirty = false;
    return true;
}

bool RegisterModel::saveIfDirty()
{
    return !m_dirty || save();
}

bool RegisterModel::close()
{
    if (!m_dirty) {
        return true;
    }
    switch (m_state.options().AcaoQdoSaiForm) {
    case 1:
        return save();
    case 2:
        return askToSave();
    default:
        m_dirty = false;
        return true;
    }
}

bool RegisterModel::closeByEscape()
{
    if (!m_dirty) {
        return true;
    }
    if (m_state.options().AcaoQdoSaiForm == 1 || m_state.options().AcaoQdoSaiForm == 2) {
        return askToSave();
    }
    m_dirty = false;
    return true;
}

bool RegisterModel::askToSave()
{
    switch (m_state.ports().dialogs.message("Deseja salvar as alterações ?",
                                            msg::Question + msg::YesNoCancel)) {
    case msg::Answer::Yes:
        return save();
    case msg::Answer::No:
        m_dirty = false;
        return true;
    default:
        return false;
    }
}

void RegisterModel::discardNew(const std::string& question)
{
    if (m_state.ports().dialogs.message(question, msg::Question + msg::YesNo) == msg::Answer::Yes) {
        showPosition(positionCount());
    }
}

void RegisterModel::beginNew(std::int32_t number, int position)
{
    clearForm();
    m_code = number;
    m_position = position;
    m_new = true;
    m_deletedShown = false;
    // The name and dates the window fills in count as typed, as their change events do.
    m_dirty = true;
}

void RegisterModel::showAsDeleted()
{
    clearForm();
    nameBox() = DeletedText;
    m_deletedShown = true;
    m_new = false;
    m_dirty = false;
}

} // namespace tavolim::core
