#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <string>

namespace tavolim::core {

class AppState;

// The state and rules every register window shares: one record shown at a time, reached by
// its position (the record number for most kinds; a holder's dependent list for dependents);
// deleted records are shown, not skipped; a dirty record is saved before moving or adding;
// closing follows "AcaoQdoSaiForm" and opening "MostraUltReg".
//
// The window copies its controls into the derived model's form and calls markDirty from
// every edit handler. Derived models read and write their own record kind.
class RegisterModel {
public:
    static constexpr const char* DeletedText = "Registro Excluído";

    virtual ~RegisterModel() = default;
    RegisterModel(const RegisterModel&) = delete;
    RegisterModel& operator=(const RegisterModel&) = delete;

    // Record number shown (0 = none) and its position in the navigation.
    std::int32_t code() const { return m_code; }
    int position() const { return m_position; }
    bool isDirty() const { return m_dirty; }
    bool isNew() const { return m_new; }
    bool showsDeleted() const { return m_deletedShown; }
    void markDirty() { m_dirty = true; }

    // How many positions there are to move through.
    virtual int positionCount() const = 0;

    // With "MostraUltReg" and nothing shown yet, the last position; else the one shown.
    void open();
    // Shows the record at the position as stored on disk; edits are dropped.
    void showPosition(int position);
    // A dirty record is saved first, without asking; a refused save stays put.
    bool moveFirst();
    bool movePrevious();
    bool moveNext();
    bool moveLast();

    // Writes the form. A deleted record whose name box still reads "Registro Excluído" is
    // not written; one with a typed name comes back and leaves the deleted list, as does a
    // new record's reused number. False only when a check refused the save.
    bool save();
    // Unsaved changes follow "AcaoQdoSaiForm": 0 dropped, 1 saved, 2 asked about. False
    // keeps the window open (Cancelar, or a refused save).
    bool close();
    // Esc is a cancel key pressed by reflex: typed changes are asked about unless the option
    // says to drop them; Esc never saves without a word.
    bool closeByEscape();
    // Whether there is a record to work on; an empty file leaves only adding one.
    bool hasRecord() const { return m_code > 0; }

protected:
    RegisterModel(AppState& state, FileKind kind);

    // The record number at a position (1-based); 0 when there is none.
    virtual std::int32_t numberAt(int position) const = 0;
    // Reads the record (forced) and fills the form; true when it is marked deleted.
    virtual bool readIntoForm(std::int32_t number) = 0;
    virtual void clearForm() = 0;
    virtual std::string& nameBox() = 0;
    // Builds the record from the form over the stored one and writes it at code(); false
    // when a check refused it (nothing written).
    virtual bool writeForm() = 0;
    // Whether saving a deleted record with a typed name brings it back; a dependent left
    // its holder's list when deleted and has nowhere to come back to.
    virtual bool canRevive() const { return true; }

    // Clears the form for a record about to be created at `number`.
    void beginNew(std::int32_t number, int position);
    // After a deletion: the form shows "Registro Excluído" and is clean.
    void showAsDeleted();
    // Excluir on a record that was never saved: there is nothing on disk to delete, so the
    // operator is asked whether to drop what was typed; Yes shows the last stored record.
    void discardNew(const std::string& question);
    bool saveIfDirty();

    AppState& m_state;
    FileKind m_kind;

private:
    bool moveTo(int position);
    bool askToSave();

    std::int32_t m_code = 0;
    int m_position = 0;
    bool m_dirty = false;
    bool m_new = false;
    bool m_deletedShown = false;
};

} // namespace tavolim::core
