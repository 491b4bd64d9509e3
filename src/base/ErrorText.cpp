// The table of Czech error texts.
#include "base/ErrorText.h"

#include <cerrno>
#include <cstring>

namespace zn::base {
namespace {

struct ErrorName {
    int error;
    const char* text;
};

constexpr ErrorName kTexts[] = {
    {EACCES, "Přístup byl odepřen."},
    {EPERM, "Operace není povolena."},
    {ENOENT, "Soubor nebo složka neexistuje."},
    {ENOTDIR, "Část cesty není složka."},
    {EISDIR, "Je to složka."},
    {EEXIST, "Soubor už existuje."},
    {ENOSPC, "Na disku není místo."},
    {EDQUOT, "Byla překročena disková kvóta."},
    {EROFS, "Disk je jen pro čtení."},
    {EIO, "Chyba vstupu nebo výstupu."},
    {ENAMETOOLONG, "Jméno souboru je příliš dlouhé."},
    {ELOOP, "Příliš mnoho symbolických odkazů v cestě."},
    {EMFILE, "Program má otevřeno příliš mnoho souborů."},
    {ENFILE, "V systému je otevřeno příliš mnoho souborů."},
    {ENOMEM, "Nedostatek paměti."},
    {EFBIG, "Soubor je příliš velký."},
    {EBUSY, "Soubor nebo zařízení je používáno."},
    {ETXTBSY, "Soubor je používán."},
    {EXDEV, "Soubor nelze přesunout na jiný disk."},
    {ENOTEMPTY, "Složka není prázdná."},
    {EINVAL, "Neplatný argument."},
    {EAGAIN, "Prostředek je dočasně nedostupný."},
    {EINTR, "Operace byla přerušena."},
    {ESTALE, "Soubor na síťovém disku už není platný."},
    {ENXIO, "Zařízení neexistuje."},
    {ENODEV, "Zařízení neexistuje."},
};

} // namespace

std::string ErrorText(int error) {
    for (const ErrorName& entry : kTexts) {
        if (entry.error == error) {
            return entry.text;
        }
    }
    return std::strerror(error);
}

std::string ErrorText(const std::error_code& error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        return ErrorText(error.value());
    }
    return error.message();
}

} // namespace zn::base
