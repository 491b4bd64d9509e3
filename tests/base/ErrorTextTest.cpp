// Czech texts of system errors inside the program's Czech messages.
#include "base/ErrorText.h"

#include <cerrno>
#include <cstring>
#include <future>
#include <gtest/gtest.h>

using zn::base::ErrorText;

TEST(ErrorText, UsualErrorsAreCzechTheRestKeepsTheSystemText) {
    const std::pair<int, const char*> cases[] = {
        {ENOENT, "Soubor nebo složka neexistuje."}, {EACCES, "Přístup byl odepřen."},
        {ENOSPC, "Na disku není místo."},           {EISDIR, "Je to složka."},
        {EROFS, "Disk je jen pro čtení."},
    };
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(ErrorText(error), text);
        EXPECT_EQ(ErrorText(std::make_error_code(static_cast<std::errc>(error))), text);
        EXPECT_EQ(ErrorText(std::error_code(error, std::system_category())), text);
    }
    EXPECT_EQ(ErrorText(EPROTO), std::strerror(EPROTO));
    // Codes of other categories are not errno values.
    const auto other = std::make_error_code(std::future_errc::no_state);
    EXPECT_EQ(ErrorText(other), other.message());
}
