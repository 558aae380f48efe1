#pragma once

#include "core/registers/BarcodeCheck.h"
#include "core/registers/RecordSearch.h"
#include "core/registers/RegisterModel.h"
#include "core/registers/TapeForm.h"
#include "core/store/PersonRef.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

// The model of frmDadosFitas: the tape shown, its controls, its cast and its circulation,
// moving by tape code. Refusals and questions go through the Dialogs port with their texts.
class TapeRegister final : public RegisterModel {
public:
    // The combo lists, filled when the register opens; an entry's position + 1 is the
    // number the tape stores. A deleted distributor keeps its place as
    // "#Registro Excluído#".
    struct Lists {
        std::vector<std::string> sections;
        std::vector<std::string> labels;
        std::vector<std::string> media;
        std::vector<std::string> distributors;
    };

    explicit TapeRegister(AppState& state);

    TapeForm form;
    const Lists& lists() const { return m_lists; }

    int positionCount() const override;
    // A search result or a tape picked from a list: a dirty tape is saved first.
    bool moveToTape(std::int32_t code);

    // cmdAdicionar: saves a dirty tape, asks the title and starts the new tape.
    bool addTape();
    // cmdExcluir: refused for a tape out with a client; asks, then deletes and shows
    // "Registro Excluído". True when deleted.
    bool deleteTape();
    // txtCodigoB losing the focus, with "VerifNomeECod" on: shape, then duplicates.
    BarcodeVerdict checkBarcode();

    // The cast buttons work on the stored tape, so a dirty or new tape is saved first
    // (a refused save stops them). The form is shown afresh after a change.
    bool addActor();
    bool removeActor(std::size_t index);
    // Completes form.Ator from the actor file.
    bool completeActorName(const ListChooser& choose);
    // The tape picked among those of the cast line at `index`, or of the director.
    std::optional<std::int32_t> tapesWithActor(std::size_t index, const ListChooser& choose);
    std::optional<std::int32_t> filmsWithDirector(const ListChooser& choose);

    // lstReservas: asks, then removes reservation `index` from the stored tape.
    bool cancelReservation(std::size_t index);
    // cmdClienteComFita: who has the stored tape now.
    std::optional<PersonRef> personWithTape();

protected:
    std::int32_t numberAt(int position) const override
    {
        return position >= 1 && position <= positionCount() ? position : 0;
    }
    bool readIntoForm(std::int32_t number) override;
    void clearForm() override { form = {}; }
    std::string& nameBox() override { return form.Nome; }
    bool writeForm() override;

private:
    void loadLists();
    bool refuseDuplicateTitle();
    bool readyForCast();

    Lists m_lists;
    std::string m_promptTitle; // a new tape's title as the name prompt took it
};

} // namespace tavolim::core
